#include "model/OrbKnob.h"

OrbKnob::OrbKnob (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Mode", "CC", "Min", "Max", "MIDI Channel" })
        addParameterName (name);
}

std::uint8_t OrbKnob::getMaximum (const juce::String& name) const
{
    return name == "Mode" ? 1 : Control::getMaximum (name);
}

int OrbKnob::getParameterIndex (const juce::String& name) const
{
    if (name == "Mode")         return 0;
    if (name == "CC")           return 1;
    if (name == "Min")          return 2;
    if (name == "Max")          return 3;
    if (name == "MIDI Channel") return 4;
    return -1;
}
