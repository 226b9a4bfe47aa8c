#include "widgets/NumberBox.h"

#include <gtest/gtest.h>

namespace
{
struct NumberBoxTest : ::testing::Test, NumberBox::Listener
{
    NumberBoxTest()
    {
        box.setSize (100, 18);
        box.setMinimum (1);
        box.setMaximum (16);
        box.setValue (5, false);
        box.addListener (this);
    }

    void numberBoxChanged (NumberBox* b) override { notified << b->getValue() << ";"; }

    // Opens the in-place editor, replaces its text and commits as a loss of focus does; returns
    // "value/text shown/notifications so far".
    juce::String enter (const juce::String& text)
    {
        box.showEditor();
        box.getCurrentTextEditor()->setText (text, false);
        box.hideEditor (false);
        return juce::String (box.getValue()) + "/" + box.getText() + "/" + notified;
    }

    NumberBox box;
    juce::String notified;
};
} // namespace

TEST_F (NumberBoxTest, OutOfRangeOrEmptyEntryIsDroppedAndTheOldValueShownAgainWhileSignsAreRead)
{
    EXPECT_EQ (enter ("17"), "5/5/");
    EXPECT_EQ (enter ("16"), "16/16/16;");
    // An empty entry reads as 0, outside 1..16; the entry right after it is taken, not dropped.
    EXPECT_EQ (enter (""), "16/16/16;");
    EXPECT_EQ (enter ("+5"), "5/5/16;5;");

    box.setMinimum (-12);
    EXPECT_EQ (enter ("-3"), "-3/-3/16;5;-3;");
    EXPECT_EQ (enter (""), "0/0/16;5;-3;0;");
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
    EXPECT_EQ (box.getText() + "/" + notified, "9/9;");
}

TEST_F (NumberBoxTest, SetValueNotifiesOnlyWhenAskedAndOnlyInRange)
{
    box.setValue (8, false);
    box.setValue (0, true);
    EXPECT_EQ (box.getText(), "8");
    box.setValue (3, true);
    EXPECT_EQ (notified, "3;");
}

// Up and down step by 1, page up and page down by 10, held within the limits, and nothing is
// told until the box commits: a run of steps is one change.
TEST_F (NumberBoxTest, ArrowAndPageKeysStepTheShownNumberAndCommitOnceWithinTheLimits)
{
    for (auto key : { juce::KeyPress::upKey, juce::KeyPress::upKey, juce::KeyPress::pageUpKey })
        EXPECT_TRUE (box.keyPressed (juce::KeyPress (key)));

    ASSERT_NE (box.getCurrentTextEditor(), nullptr);
    EXPECT_EQ (box.getCurrentTextEditor()->getText(), "16"); // 5 + 1 + 1 + 10 is above 16
    EXPECT_EQ (notified, "");
    box.hideEditor (false);
    EXPECT_EQ (notified, "16;");

    box.stepWithKey (juce::KeyPress (juce::KeyPress::pageDownKey));
    box.stepWithKey (juce::KeyPress (juce::KeyPress::downKey));
    EXPECT_EQ (box.getCurrentTextEditor()->getText(), "5");
    box.stepWithKey (juce::KeyPress (juce::KeyPress::pageDownKey));
    EXPECT_EQ (box.getCurrentTextEditor()->getText(), "1");
    EXPECT_FALSE (box.stepWithKey (juce::KeyPress ('a')));
    box.hideEditor (false);
    EXPECT_EQ (notified, "16;1;");
}
