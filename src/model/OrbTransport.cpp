#include "model/OrbTransport.h"

OrbTransport::OrbTransport (int dumpOffset) : Control (numSlots, dumpOffset)
{
    addParameterName ("Function");
    addParameterName ("CC");
}

std::uint8_t OrbTransport::getMaximum (const juce::String& name) const
{
    return name.contains ("Function") ? 1 : Control::getMaximum (name);
}

int OrbTransport::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
