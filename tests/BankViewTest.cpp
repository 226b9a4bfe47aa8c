#include "views/BankView.h"

#include <gtest/gtest.h>

namespace
{
// How a section view uses it: items and bank size first, then its own size.
struct TestBank : public BankView
{
    TestBank (int numItems, int perBank, bool arrows = true) : BankView ("Test Bank", arrows)
    {
        setSize (600, 200); // before any bank exists: nothing to show, nothing breaks
        juce::Array<juce::Component*> items;
        for (int i = 0; i < numItems; ++i)
            items.add (new juce::Component());
        addItems (items);
        setItemsPerBank (perBank);
        setSize (1200, 200);
    }
};

// The banks shown, as "current:shown:arrows visible", e.g. "1:1:1"; two banks shown read "1:01".
juce::String state (const BankView& view)
{
    juce::String shown;
    for (int i = 0; i < view.getNumBanks(); ++i)
        if (view.getBank (i)->isVisible() && view.getBank (i)->getParentComponent() == &view)
            shown << i;
    const bool arrows = view.getNextBankButton() != nullptr && view.getNextBankButton()->isVisible();
    return juce::String (view.getCurrentBank()) + ":" + shown + ":" + (arrows ? "1" : "0");
}
} // namespace

TEST (BankView, PagesForwardAndBackWithoutWrappingAndIgnoresOtherButtons)
{
    TestBank view (8, 4);
    auto* next = view.getNextBankButton();
    auto* previous = view.getPreviousBankButton();
    EXPECT_EQ (state (view), "0:0:1");

    view.buttonClicked (previous); // already at the first bank
    EXPECT_EQ (state (view), "0:0:1");
    next->triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (state (view), "1:1:1");
    juce::TextButton stranger;
    view.buttonClicked (&stranger);
    view.buttonClicked (nullptr);
    EXPECT_EQ (state (view), "1:1:1");
    view.buttonClicked (previous);
    EXPECT_EQ (state (view), "0:0:1");

    // six items make a full bank and a remainder; one bank or none wanted shows no arrows
    TestBank six (6, 4);
    EXPECT_EQ (six.getItem (5)->getParentComponent(), six.getBank (1));
    EXPECT_EQ (state (TestBank (4, 4)), "0:0:0");
    EXPECT_EQ (state (TestBank (8, 4, false)), "0:0:0");
}
