#pragma once

#include "midi/MidiPortLayer.h"

// The framework's MIDI devices. On a machine without a MIDI service the device lists are empty
// and opening fails quietly: the sound library's own error printer is silenced once, so that the
// port manager's device watch does not write a line to stderr every second.
class JuceMidiPorts : public MidiPortLayer
{
public:
    JuceMidiPorts();
    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override;
    std::unique_ptr<Output> openOutput (const juce::String& identifier) override;
};
