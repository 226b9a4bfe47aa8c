#pragma once

#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include <memory>

// The platform's MIDI devices plus a simulated OrbMini, listed last as the input and the output
// "OrbMini Simulator", so that get and send can be tried without the controller. Ports on the
// simulator run over in-memory devices; every other identifier goes to the platform's layer.
// The simulator's slots hold the built-in default preset, each slot varied so that a get shows
// where it came from (knob CCs and channels follow the slot number, the name reads "Demo Slot NN").
class DemoMidiPorts : public MidiPortLayer
{
public:
    static constexpr const char* deviceName = "OrbMini Simulator";

    explicit DemoMidiPorts (std::unique_ptr<MidiPortLayer> platformPorts);
    ~DemoMidiPorts() override;

    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override;
    std::unique_ptr<Output> openOutput (const juce::String& identifier) override;

    OrbMiniSimulator& getSimulator() { return *simulator; }

    // The payload the simulator starts with in a slot (0 to 24), built from a default preset dump.
    static OrbMiniSimulator::Payload makeDemoSlot (const std::uint8_t* defaultDump, int dumpSize, int slot);

private:
    std::unique_ptr<MidiPortLayer> platform;
    VirtualMidiPorts simulatedPorts;
    std::unique_ptr<OrbMiniSimulator> simulator;

    JUCE_DECLARE_NON_COPYABLE (DemoMidiPorts)
};
