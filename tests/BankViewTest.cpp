#include "views/BankView.h"

#include <gtest/gtest.h>

namespace
{
juce::Array<juce::Component*> makeItems (int count, int width = 250, int height = 180)
{
    juce::Array<juce::Component*> items;
    for (int i = 0; i < count; ++i)
    {
        auto* item = new juce::Component ("Item " + juce::String (i));
        item->setSize (width, height);
        items.add (item);
    }

    return items;
}

// How a section view uses it: items and bank size first, then its own size.
struct TestBank : public BankView
{
    TestBank (int numItems, int perBank, bool arrows = true) : BankView ("Test Bank", arrows)
    {
        addItems (makeItems (numItems));
        setItemsPerBank (perBank);
        setSize (1200, 200);
    }
};

int shownBank (const BankView& view)
{
    int shown = -1;
    for (int i = 0; i < view.getNumBanks(); ++i)
    {
        auto* bank = view.getBank (i);
        if (bank->isVisible() && bank->getParentComponent() == &view)
        {
            EXPECT_EQ (shown, -1) << "two banks shown";
            shown = i;
        }
    }

    return shown;
}
} // namespace

TEST (BankView, EightItemsAtFourPerBankPageForwardAndBackWithoutWrapping)
{
    TestBank view (8, 4);
    ASSERT_EQ (view.getNumBanks(), 2);
    EXPECT_EQ (shownBank (view), 0);

    auto* next = view.getNextBankButton();
    auto* previous = view.getPreviousBankButton();
    ASSERT_NE (next, nullptr);
    ASSERT_NE (previous, nullptr);
    EXPECT_EQ (next->getName(), "Left Bank Arrow");
    EXPECT_EQ (previous->getName(), "Right Bank Arrow");
    EXPECT_TRUE (next->isVisible() && previous->isVisible());
    EXPECT_FALSE (next->getWantsKeyboardFocus());
    EXPECT_TRUE (static_cast<juce::Component*> (previous)->hitTest (0, 0)); // transparent corner

    // the arrows lie above the bank that was added back last
    auto& children = view.getChildren();
    EXPECT_GT (children.indexOf (next), children.indexOf (view.getBank (0)));
    EXPECT_GT (children.indexOf (previous), children.indexOf (view.getBank (0)));

    view.buttonClicked (previous); // already at the first bank
    EXPECT_EQ (view.getCurrentBank(), 0);

    next->triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (view.getCurrentBank(), 1);
    EXPECT_EQ (shownBank (view), 1);
    EXPECT_EQ (view.getBank (0)->getParentComponent(), nullptr);
    EXPECT_TRUE (next->isVisible()); // at the last bank too

    juce::TextButton stranger;
    view.buttonClicked (&stranger);
    view.buttonClicked (nullptr);
    EXPECT_EQ (view.getCurrentBank(), 1);

    view.buttonClicked (previous);
    EXPECT_EQ (shownBank (view), 0);

    // six items make a full bank and a remainder
    TestBank six (6, 4);
    ASSERT_EQ (six.getNumBanks(), 2);
    EXPECT_EQ (six.getBank (1)->getItems().size(), 2);
    EXPECT_EQ (six.getItem (5)->getParentComponent(), six.getBank (1));
}

TEST (BankView, ASingleBankShowsNoArrows)
{
    TestBank exact (4, 4);
    EXPECT_EQ (exact.getNumBanks(), 1);
    EXPECT_FALSE (exact.getNextBankButton()->isVisible());
    EXPECT_FALSE (exact.getPreviousBankButton()->isVisible());
    EXPECT_EQ (shownBank (exact), 0);

    TestBank without (8, 4, false);
    EXPECT_EQ (without.getNextBankButton(), nullptr);
    EXPECT_EQ (without.getNumBanks(), 2);
    EXPECT_EQ (shownBank (without), 0);
}

TEST (BankView, ResizeBeforeBanksExistAndRebuildsThatShrink)
{
    BankView view ("Empty", true);
    view.setSize (1200, 200); // no bank yet: nothing to show, nothing breaks
    EXPECT_EQ (view.getNumBanks(), 0);
    EXPECT_EQ (view.getNumChildComponents(), 2);

    view.addItems (makeItems (12));
    EXPECT_EQ (view.getNumBanks(), 0); // no bank size yet
    view.setItemsPerBank (4);
    ASSERT_EQ (view.getNumBanks(), 3);
    view.buttonClicked (view.getNextBankButton());
    view.buttonClicked (view.getNextBankButton());
    EXPECT_EQ (shownBank (view), 2);

    view.setItemsPerBank (6); // two banks now: stay on the last
    EXPECT_EQ (view.getCurrentBank(), 1);
    EXPECT_EQ (shownBank (view), 1);

    view.setItemsPerBank (12); // one bank: the arrows go
    EXPECT_EQ (view.getCurrentBank(), 0);
    EXPECT_EQ (shownBank (view), 0);
    EXPECT_FALSE (view.getNextBankButton()->isVisible());

    view.setItemsPerBank (0);
    EXPECT_EQ (view.getNumBanks(), 0);
    view.setSize (1000, 200);
}
