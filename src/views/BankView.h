#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A row of like items (knob views, pad views …) shown a bank at a time, with two arrows to step
// to the next or previous bank. The concrete section views derive from it; both bases are virtual
// so that they can name juce::Component among their own bases too
// (class KnobBank : public BankView, public virtual juce::Component).
class BankView : public virtual juce::Component, public virtual juce::Button::Listener
{
public:
    // One page of items, side by side from x 40. The items belong to the BankView.
    class Bank : public juce::Component
    {
    public:
        explicit Bank (const juce::Array<juce::Component*>& bankItems);
        void resized() override {}

        const juce::Array<juce::Component*>& getItems() const noexcept { return items; }

    private:
        juce::Array<juce::Component*> items;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Bank)
    };

    BankView (const juce::String& componentName, bool createArrows);
    ~BankView() override;

    // Takes ownership of the components, appends them to the items and rebuilds the banks.
    void addItems (const juce::Array<juce::Component*>& newItems);

    // Stores the count (0: no banks) and rebuilds the banks.
    void setItemsPerBank (int count);

    // Lays out and shows the current bank and, with two or more banks, the arrows. Does nothing
    // while no bank exists.
    virtual void showCurrentBank();

    void buttonClicked (juce::Button* button) override;
    void resized() override;

    int getCurrentBank() const noexcept { return currentBank; }
    int getNumBanks() const noexcept { return numBanks; }
    int getItemsPerBank() const noexcept { return itemsPerBank; }
    Bank* getBank (int index) const noexcept { return banks[index]; }
    juce::Component* getItem (int index) const noexcept { return items[index]; }
    int getNumItems() const noexcept { return items.size(); }
    juce::ImageButton* getNextBankButton() const noexcept { return nextBankButton.get(); }
    juce::ImageButton* getPreviousBankButton() const noexcept { return previousBankButton.get(); }

protected:
    int currentBank = 0;
    int numBanks = 0;
    int itemsPerBank = 0;
    std::unique_ptr<juce::ImageButton> nextBankButton;     // named "Left Bank Arrow", points right
    std::unique_ptr<juce::ImageButton> previousBankButton; // named "Right Bank Arrow", points left
    juce::OwnedArray<juce::Component> items;
    juce::OwnedArray<Bank> banks;

private:
    void rebuildBanks();
    void setUpArrow (juce::ImageButton& arrow);
    void showArrows (bool shouldShow);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BankView)
};
