#include "model/OrbWheels.h"

OrbWheels::OrbWheels (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Pitch Wheel MIDI Channel", "Mod Wheel MIDI Channel", "Mod Wheel CC", "Mod Wheel Min",
                        "Mod Wheel Max" })
        addParameterName (name);
}

std::uint8_t OrbWheels::getMaximum (const juce::String& name) const
{
    return name.contains ("Channel") ? 16 : Control::getMaximum (name);
}

int OrbWheels::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
