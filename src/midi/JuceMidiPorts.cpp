#include "midi/JuceMidiPorts.h"

// Placeholder until the port layer lands: no devices.
JuceMidiPorts::JuceMidiPorts() = default;
juce::Array<juce::MidiDeviceInfo> JuceMidiPorts::getInputDevices() { return {}; }
juce::Array<juce::MidiDeviceInfo> JuceMidiPorts::getOutputDevices() { return {}; }
std::unique_ptr<MidiPortLayer::Input> JuceMidiPorts::openInput (const juce::String&, juce::MidiInputCallback&) { return {}; }
std::unique_ptr<MidiPortLayer::Output> JuceMidiPorts::openOutput (const juce::String&) { return {}; }
