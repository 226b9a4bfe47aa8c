#include "model/OrbSustain.h"

OrbSustain::OrbSustain (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "CC", "Pressed", "Released", "MIDI Channel" })
        addParameterName (name);
}

int OrbSustain::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
