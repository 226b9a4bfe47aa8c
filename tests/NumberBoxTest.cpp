#include "widgets/NumberBox.h"

#include <gtest/gtest.h>

namespace
{
struct ChangeCounter : NumberBox::Listener
{
    void numberBoxChanged (NumberBox* box) override
    {
        ++calls;
        lastValue = box->getValue();
    }

    int calls = 0;
    double lastValue = -1000.0;
};

struct NumberBoxTest : ::testing::Test
{
    NumberBoxTest()
    {
        box.setSize (100, 18);
        box.setRange (1, 16);
        box.setValue (5, false);
        box.addListener (&counter);
    }

    struct RangedBox : NumberBox
    {
        void setRange (double low, double high)
        {
            setMinimum (low);
            setMaximum (high);
        }
    };

    // Opens the in-place editor, replaces its text and commits as a loss of focus does.
    void enter (const juce::String& text)
    {
        box.showEditor();
        auto* editor = box.getCurrentTextEditor();
        ASSERT_NE (editor, nullptr);
        editor->setText (text, false);
        box.hideEditor (false);
        ASSERT_EQ (box.getCurrentTextEditor(), nullptr);
    }

    RangedBox box;
    ChangeCounter counter;
};
} // namespace

TEST_F (NumberBoxTest, OutOfRangeOrEmptyEntryIsDroppedAndTheOldValueShownAgainWhileSignsAreRead)
{
    enter ("17");
    EXPECT_EQ (box.getValue(), 5.0);
    EXPECT_EQ (box.getText(), "5");
    EXPECT_EQ (counter.calls, 0);

    enter ("16");
    EXPECT_EQ (box.getValue(), 16.0);
    EXPECT_EQ (box.getText(), "16");
    EXPECT_EQ (counter.calls, 1);
    EXPECT_EQ (counter.lastValue, 16.0);

    // An empty entry reads as 0, outside 1..16; the entry right after it is taken, not dropped.
    enter ("");
    EXPECT_EQ (box.getValue(), 16.0);
    enter ("+5");
    EXPECT_EQ (box.getValue(), 5.0);
    EXPECT_EQ (counter.calls, 2);

    box.setRange (-12, 12);
    enter ("-3");
    EXPECT_EQ (box.getText(), "-3");
    enter ("");
    EXPECT_EQ (box.getValue(), 0.0);
    EXPECT_EQ (box.getText(), "0");
    EXPECT_EQ (counter.calls, 4);

    box.setValue (-0.0, false);
    EXPECT_FALSE (std::signbit (box.getValue()));
}

TEST_F (NumberBoxTest, EditorStartsWithTheValueAcceptsOnlyDigitsAndSignsAndReturnCommits)
{
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getText(), "5");

    editor->setText ({}, false);
    editor->insertTextAtCaret ("a1.2 x+-");
    EXPECT_EQ (editor->getText(), "12+-");

    editor->setText ("9", false);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (box.getCurrentTextEditor(), nullptr);
    EXPECT_EQ (box.getValue(), 9.0);
    EXPECT_EQ (box.getText(), "9");
    EXPECT_EQ (counter.calls, 1);
}

TEST_F (NumberBoxTest, SetValueNotifiesOnlyWhenAskedAndOnlyInRange)
{
    box.setValue (8, false);
    EXPECT_EQ (box.getText(), "8");
    EXPECT_EQ (counter.calls, 0);

    box.setValue (0, true);
    EXPECT_EQ (box.getValue(), 8.0);
    EXPECT_EQ (counter.calls, 0);

    box.addListener (&counter);
    box.setValue (3, true);
    EXPECT_EQ (counter.calls, 1) << "added once";
}
