#pragma once

#include "midi/MidiManager.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include <juce_events/juce_events.h>

#include <cstdint>
#include <functional>
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

// In-memory ports with a simulated controller on them, and a port manager that has opened it.
struct SimulatedDevice
{
    inline static const juce::String device { "OrbMini" };

    SimulatedDevice()
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

    VirtualMidiPorts ports;
    MidiManager manager { ports, 20 };
    OrbMiniSimulator simulator { ports, device };
};

// In-memory ports that count what is opened.
class CountingPorts : public VirtualMidiPorts
{
public:
    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override
    {
        ++inputOpens;
        return VirtualMidiPorts::openInput (identifier, callback);
    }

    std::unique_ptr<Output> openOutput (const juce::String& identifier) override
    {
        ++outputOpens;
        lastOutputOpened = identifier;
        return VirtualMidiPorts::openOutput (identifier);
    }

    int inputOpens = 0, outputOpens = 0;
    juce::String lastOutputOpened;
};

} // namespace miditest
