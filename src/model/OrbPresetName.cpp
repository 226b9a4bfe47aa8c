#include "model/OrbPresetName.h"

OrbPresetName::OrbPresetName() : Control (numSlots, 0)
{
    for (int i = 1; i <= numSlots; ++i)
        addParameterName ("Preset Name " + juce::String (i));
}

std::uint8_t OrbPresetName::getMaximum (const juce::String&) const
{
    return 127;
}

int OrbPresetName::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
