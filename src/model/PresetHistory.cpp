#include "model/PresetHistory.h"

PresetHistory::PresetHistory (const State& initial) : steps { Step { {}, initial } }, unchanged (initial) {}

void PresetHistory::record (const juce::String& stepName, const State& after)
{
    if (after == getCurrent())
        return;

    steps.erase (steps.begin() + position + 1, steps.end());
    steps.push_back ({ stepName, after });

    // The oldest step becomes the new start; its name is no longer shown.
    if ((int) steps.size() > maximumSteps + 1)
    {
        steps.erase (steps.begin());
        steps.front().name.clear();
    }

    position = (int) steps.size() - 1;
}

juce::String PresetHistory::getUndoName() const
{
    return canUndo() ? steps[(size_t) position].name : juce::String();
}

juce::String PresetHistory::getRedoName() const
{
    return canRedo() ? steps[(size_t) position + 1].name : juce::String();
}

const PresetHistory::State& PresetHistory::undo()
{
    if (canUndo())
        --position;

    return getCurrent();
}

const PresetHistory::State& PresetHistory::redo()
{
    if (canRedo())
        ++position;

    return getCurrent();
}
