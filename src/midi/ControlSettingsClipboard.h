#pragma once

#include "model/ControlType.h"
#include "midi/OrbEditorEngine.h"

#include <optional>

// Copy and paste of one control's settings (a knob, pad, switch or transport button) within a
// window and between windows: one clipboard for the whole application, on the message thread.
// Every paste changes the groups with notification, so every widget bound to them follows, and
// is announced to the engine's edit listeners as one step.
class ControlSettingsClipboard
{
public:
    static ControlSettingsClipboard& getInstance();

    // Whether a control type's settings can be copied at all.
    static bool isCopyable (ControlType type);
    // "Knob 3", "Rewind".
    static juce::String getInstanceTitle (ControlType type, int index);
    // "Knobs", "Pads", "Switches", "Transport Buttons".
    static juce::String getPluralName (ControlType type);

    void copy (const OrbEditorEngine& engine, ControlType type, int index);
    void clear();
    bool hasSettingsFor (ControlType type) const { return copiedType == type; }
    // "Knob 3", or empty when nothing is copied.
    juce::String getCopiedTitle() const;

    // Each returns false, changing nothing, when the clipboard holds no settings of that type.
    bool pasteTo (OrbEditorEngine& engine, int index) const;
    bool pasteToAll (OrbEditorEngine& engine) const;
    // Pads only: every pad takes the settings, the first the copied note and each next one a note
    // one higher, up to 127.
    bool pasteToAllPadsNotesAscending (OrbEditorEngine& engine) const;

private:
    ControlSettingsClipboard() = default;

    bool store (OrbEditorEngine& engine, int index, const Control::ValueArray& values) const;

    std::optional<ControlType> copiedType;
    int copiedIndex = 0;
    Control::ValueArray copied;

    JUCE_DECLARE_NON_COPYABLE (ControlSettingsClipboard)
};
