#include "model/OrbPad.h"

OrbPad::OrbPad (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Mode", "Note", "CC", "Program", "Fixed", "Toggle On", "Pressed", "Bank LSB",
                        "Toggle Off", "Released", "Bank MSB", "Curve", "MIDI Channel" })
        addParameterName (name);
}

std::uint8_t OrbPad::getMaximum (const juce::String& name) const
{
    if (name == "Mode")  return 3;
    if (name == "Curve") return 7;
    return Control::getMaximum (name);
}

int OrbPad::getParameterIndex (const juce::String& name) const
{
    if (name == "Mode")
        return 0;
    if (name == "Note" || name == "CC" || name == "Program")
        return 1;
    if (name == "Fixed" || name == "Toggle On" || name == "Pressed" || name == "Bank LSB")
        return 2;
    if (name == "Curve" || name == "Toggle Off" || name == "Released" || name == "Bank MSB")
        return 3;
    if (name == "MIDI Channel")
        return 4;
    return -1;
}
