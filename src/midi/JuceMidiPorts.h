#pragma once

#include "midi/MidiPortLayer.h"

// The framework's MIDI devices.
class JuceMidiPorts : public MidiPortLayer
{
public:
    JuceMidiPorts();
    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override;
    std::unique_ptr<Output> openOutput (const juce::String& identifier) override;
};
