#include "model/OrbSwitch.h"

OrbSwitch::OrbSwitch (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Mode", "CC", "Program", "Toggle On", "Pressed", "Bank LSB", "Toggle Off", "Released",
                        "Bank MSB", "MIDI Channel" })
        addParameterName (name);
}

std::uint8_t OrbSwitch::getMaximum (const juce::String& name) const
{
    return name == "Mode" ? 3 : Control::getMaximum (name);
}

int OrbSwitch::getParameterIndex (const juce::String& name) const
{
    if (name == "Mode")
        return 0;
    if (name == "CC" || name == "Program")
        return 1;
    if (name == "Toggle On" || name == "Pressed" || name == "Bank LSB")
        return 2;
    if (name == "Toggle Off" || name == "Released" || name == "Bank MSB")
        return 3;
    if (name == "MIDI Channel")
        return 4;
    return -1;
}
