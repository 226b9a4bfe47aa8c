#include "model/OrbRollMode.h"

OrbRollMode::OrbRollMode (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Function", "Time Div", "Gate", "Swing" })
        addParameterName (name);
}

std::uint8_t OrbRollMode::getMaximum (const juce::String& name) const
{
    if (name == "Function") return 1;
    if (name == "Time Div") return 7;
    if (name == "Gate")     return 98;
    if (name == "Swing")    return 24;
    return Control::getMaximum (name);
}

int OrbRollMode::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
