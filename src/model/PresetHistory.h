#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

// A window's undo history: the preset's bytes after each step, each step with the name the Edit
// menu shows ("Knob 3 CC", "Get Preset"), and the bytes last loaded, saved, got or sent, against
// which the preset counts as changed. Whole presets are kept per step: a preset is 316 bytes, so
// even a long evening's history is small, and undoing a step is applying a preset.
class PresetHistory
{
public:
    using State = juce::Array<std::uint8_t>;

    // The oldest steps are dropped beyond this many.
    static constexpr int maximumSteps = 1000;

    // The preset as the window starts with it, which counts as unchanged.
    explicit PresetHistory (const State& initial);

    // A step has left the preset in `after`. A step that changed nothing is not kept; any other
    // drops the steps that could have been redone.
    void record (const juce::String& stepName, const State& after);

    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position + 1 < (int) steps.size(); }
    // The name of the step that undo or redo would take back or repeat; empty when there is none.
    juce::String getUndoName() const;
    juce::String getRedoName() const;

    // Moves one step back or forward and returns the preset to show then; with nothing to undo or
    // redo, the current preset.
    const State& undo();
    const State& redo();
    const State& getCurrent() const { return steps[(size_t) position].after; }
    int getNumSteps() const { return (int) steps.size() - 1; }

    // The current preset is now the one in a file or on the device.
    void markUnchanged() { unchanged = getCurrent(); }
    // That preset is now in a file or on the device (a send that began before later edits).
    void markUnchanged (const State& state) { unchanged = state; }
    bool isChanged() const { return getCurrent() != unchanged; }

private:
    struct Step
    {
        juce::String name;
        State after;
    };

    std::vector<Step> steps; // steps[0] is the starting preset, with no name
    int position = 0;        // the step whose preset is shown
    State unchanged;
};
