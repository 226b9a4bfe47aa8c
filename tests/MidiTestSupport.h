#pragma once

#include "midi/MidiManager.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/SequencerMidiPorts.h"
#include "simulator/VirtualMidiPorts.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace miditest
{
// Runs the message loop until the condition holds or the time is up; true if it holds.
inline bool runUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
    return true;
}

inline void runFor (int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

inline std::vector<std::uint8_t> bytesOf (const juce::MidiMessage& m)
{
    return { m.getRawData(), m.getRawData() + m.getRawDataSize() };
}

// The two port layers the MIDI tests run over: plain in-memory ports, and the same devices behind
// a model of the framework's Linux backend (one shared input thread, "client-port" identifiers).
enum class PortLayer
{
    inMemory,
    linuxSequencer
};

inline std::unique_ptr<VirtualMidiPorts> makePorts (PortLayer layer)
{
    if (layer == PortLayer::linuxSequencer)
        return std::make_unique<SequencerMidiPorts>();
    return std::make_unique<VirtualMidiPorts>();
}

inline void PrintTo (PortLayer layer, std::ostream* out)
{
    *out << (layer == PortLayer::linuxSequencer ? "LinuxSequencer" : "InMemory");
}

// For INSTANTIATE_TEST_SUITE_P (Layers, Fixture, miditest::bothPortLayers, miditest::portLayerName).
inline const auto bothPortLayers = ::testing::Values (PortLayer::inMemory, PortLayer::linuxSequencer);

inline std::string portLayerName (const ::testing::TestParamInfo<PortLayer>& info)
{
    return ::testing::PrintToString (info.param);
}

// In-memory ports with a simulated controller on them, and a port manager that has opened it.
struct SimulatedDevice
{
    inline static const juce::String device { "OrbMini" };

    explicit SimulatedDevice (PortLayer layer = PortLayer::inMemory) : ownedPorts (makePorts (layer))
    {
        manager.setInput (device);
        manager.setOutput (device);
    }

    // The simulator's thread finishes, and news still queued meet whatever is left of the engines.
    ~SimulatedDevice()
    {
        simulator.waitUntilIdle (2000);
        runFor (10);
    }

    std::unique_ptr<VirtualMidiPorts> ownedPorts;
    VirtualMidiPorts& ports { *ownedPorts };
    MidiManager manager { ports, 20 };
    OrbMiniSimulator simulator { ports, device };
};

// A SimulatedDevice fixture run over each port layer: derive from it, write TEST_P, and
// instantiate with bothPortLayers and portLayerName.
struct SimulatedDeviceTest : ::testing::TestWithParam<PortLayer>, SimulatedDevice
{
    SimulatedDeviceTest() : SimulatedDevice (GetParam()) {}
};

// Another layer's ports as the port manager sees them, counting what is opened.
class CountingPorts : public MidiPortLayer
{
public:
    explicit CountingPorts (MidiPortLayer& counted) : layer (counted) {}

    juce::Array<juce::MidiDeviceInfo> getInputDevices() override { return layer.getInputDevices(); }
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override { return layer.getOutputDevices(); }

    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override
    {
        ++inputOpens;
        lastInputOpened = identifier;
        return layer.openInput (identifier, callback);
    }

    std::unique_ptr<Output> openOutput (const juce::String& identifier) override
    {
        ++outputOpens;
        lastOutputOpened = identifier;
        return layer.openOutput (identifier);
    }

    int inputOpens = 0, outputOpens = 0;
    juce::String lastInputOpened, lastOutputOpened;

private:
    MidiPortLayer& layer;
};

} // namespace miditest
