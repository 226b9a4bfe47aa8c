#include "views/BankView.h"

#include "views/ArtworkImages.h"

#include <cmath>

BankView::Bank::Bank (const juce::Array<juce::Component*>& bankItems) : items (bankItems)
{
    for (int i = 0; i < items.size(); ++i)
    {
        auto* item = items.getUnchecked (i);
        addAndMakeVisible (item);
        item->setBounds (40 + i * item->getWidth(), 0, item->getWidth(), item->getHeight());
    }
}

BankView::BankView (const juce::String& componentName, bool createArrows)
{
    setName (componentName);

    if (! createArrows)
        return;

    nextBankButton = std::make_unique<juce::ImageButton> ("Left Bank Arrow");
    ArtworkImages::setButtonImages (*nextBankButton, "ArrowRightNormal.png", "ArrowRightOver.png",
                                    "ArrowRightDown.png");
    setUpArrow (*nextBankButton);

    previousBankButton = std::make_unique<juce::ImageButton> ("Right Bank Arrow");
    ArtworkImages::setButtonImages (*previousBankButton, "ArrowLeftNormal.png", "ArrowLeftOver.png",
                                    "ArrowLeftDown.png");
    setUpArrow (*previousBankButton);
}

BankView::~BankView() = default;

void BankView::setUpArrow (juce::ImageButton& arrow)
{
    arrow.setWantsKeyboardFocus (false);
    arrow.setMouseClickGrabsKeyboardFocus (false);
    arrow.setAlwaysOnTop (true);
    addChildComponent (arrow);
    arrow.addListener (this);
}

void BankView::addItems (const juce::Array<juce::Component*>& newItems)
{
    for (auto* item : newItems)
        if (item != nullptr && ! items.contains (item))
            items.add (item);

    rebuildBanks();
}

void BankView::setItemsPerBank (int count)
{
    itemsPerBank = juce::jmax (0, count);
    rebuildBanks();
}

void BankView::rebuildBanks()
{
    banks.clear();
    numBanks = 0;
    showArrows (false);

    if (itemsPerBank == 0)
        return;

    numBanks = (int) std::ceil ((double) items.size() / (double) itemsPerBank);

    for (int first = 0; first < items.size(); first += itemsPerBank)
    {
        juce::Array<juce::Component*> bankItems;
        for (int i = first; i < juce::jmin (first + itemsPerBank, items.size()); ++i)
            bankItems.add (items.getUnchecked (i));

        addChildComponent (banks.add (new Bank (bankItems)));
    }

    // Fewer banks than before: stay on the last one that still exists.
    currentBank = juce::jlimit (0, juce::jmax (0, numBanks - 1), currentBank);

    showCurrentBank();
}

void BankView::showCurrentBank()
{
    if (! juce::isPositiveAndBelow (currentBank, banks.size()))
        return;

    for (auto* bank : banks)
    {
        bank->setVisible (false);
        removeChildComponent (bank);
    }

    auto* bank = banks.getUnchecked (currentBank);
    bank->setBounds (0, 15, 1200, 200);
    addAndMakeVisible (bank);

    showArrows (numBanks >= 2);
}

void BankView::showArrows (bool shouldShow)
{
    if (nextBankButton == nullptr || previousBankButton == nullptr)
        return;

    if (! shouldShow)
    {
        // after a rebuild down to a single bank
        nextBankButton->setVisible (false);
        previousBankButton->setVisible (false);
        return;
    }

    nextBankButton->setTopLeftPosition (1170, 5);
    nextBankButton->setVisible (true);
    nextBankButton->toFront (false);
    previousBankButton->setTopLeftPosition (10, 5);
    previousBankButton->setVisible (true);
    previousBankButton->toFront (false);
}

void BankView::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    if (button == nextBankButton.get())
    {
        if (currentBank + 1 < numBanks)
        {
            ++currentBank;
            showCurrentBank();
        }
    }
    else if (button == previousBankButton.get())
    {
        if (currentBank > 0)
        {
            --currentBank;
            showCurrentBank();
        }
    }
}

void BankView::resized()
{
    showCurrentBank();
}
