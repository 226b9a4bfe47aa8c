#pragma once

#include "app/DialogKeys.h"
#include "app/MidiMonitorComponent.h"

// The "MIDI Monitor" window: one per application, not modal, resizable. It opens beside the
// window it was asked from where the screen has room, over it otherwise. Escape and the title
// bar's close close it, and with it the recording.
class MidiMonitorWindow : public juce::DocumentWindow
{
public:
    MidiMonitorWindow (MidiManager& midiManager, const juce::File* lastDirectory, juce::Component* owner = nullptr);
    ~MidiMonitorWindow() override;

    void closeButtonPressed() override;
    MidiMonitorComponent& getContent() { return content; }

private:
    void placeBeside (juce::Component* owner);

    MidiMonitorComponent content;
    DialogKeys keys;

    JUCE_DECLARE_WEAK_REFERENCEABLE (MidiMonitorWindow)
    JUCE_DECLARE_NON_COPYABLE (MidiMonitorWindow)
};
