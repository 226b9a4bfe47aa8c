#include "model/PresetHistory.h"

#include <gtest/gtest.h>

namespace
{
PresetHistory::State preset (std::uint8_t fill)
{
    PresetHistory::State state;
    state.insertMultiple (0, fill, 316);
    return state;
}
} // namespace

TEST (PresetHistoryTest, StepsUndoAndRedoInOrderUnderTheirNamesAndANewStepDropsWhatCouldBeRedone)
{
    PresetHistory history (preset (0));
    history.record ("Knob 3 CC", preset (1));
    history.record ("Get Preset", preset (2));
    history.record ("Pad 1 Note", preset (2)); // changed nothing: no step
    EXPECT_EQ (history.getUndoName(), "Get Preset");

    EXPECT_EQ (history.undo(), preset (1));
    EXPECT_EQ (history.getUndoName() + "/" + history.getRedoName(), "Knob 3 CC/Get Preset");
    EXPECT_EQ (history.undo(), preset (0));
    EXPECT_EQ (history.undo(), preset (0)); // nothing more to undo
    EXPECT_EQ (history.redo(), preset (1));

    // An edit after an undo: the undone "Get Preset" is gone.
    history.record ("Knob 4 CC", preset (3));
    EXPECT_EQ (history.redo(), preset (3));
    EXPECT_EQ (history.undo(), preset (1));
}

TEST (PresetHistoryTest, BeyondTheLimitTheOldestStepsGo)
{
    PresetHistory history (preset (0));

    for (int i = 1; i <= PresetHistory::maximumSteps + 5; ++i)
        history.record ("Step " + juce::String (i), preset ((std::uint8_t) (i % 100 + 1)));

    int undone = 0;
    for (; history.canUndo(); ++undone)
        history.undo();
    EXPECT_EQ (undone, PresetHistory::maximumSteps);
    EXPECT_EQ (history.getCurrent(), preset ((std::uint8_t) (5 % 100 + 1)));
    EXPECT_EQ (history.getRedoName(), "Step 6");
}
