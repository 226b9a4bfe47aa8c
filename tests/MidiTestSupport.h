#pragma once

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

inline juce::MidiMessage sysex (std::vector<std::uint8_t> bytes)
{
    return juce::MidiMessage (bytes.data(), (int) bytes.size());
}
} // namespace miditest
