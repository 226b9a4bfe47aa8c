#include "model/OrbKeybed.h"

OrbKeybed::OrbKeybed (int dumpOffset, std::uint8_t splitMax, std::uint8_t octaveMax)
    : Control (numSlots, dumpOffset), splitPointMaximum (splitMax), octaveMaximum (octaveMax)
{
    for (auto* name : { "Keybed Transpose", "Keybed Octave", "Keybed MIDI Channel", "Keybed Curve",
                        "Split Mode", "Split Point",
                        "Lower Keybed Transpose", "Lower Keybed Octave", "Lower Keybed MIDI Channel", "Lower Keybed Curve",
                        "Upper Keybed Transpose", "Upper Keybed Octave", "Upper Keybed MIDI Channel", "Upper Keybed Curve" })
        addParameterName (name);
}

std::uint8_t OrbKeybed::getMaximum (const juce::String& name) const
{
    if (name == "Split Mode")              return 1;
    if (name == "Split Point")             return splitPointMaximum;
    if (name.contains ("Transpose"))       return 24;
    if (name.contains ("Octave"))          return octaveMaximum;
    if (name.contains ("Curve"))           return 8;
    if (name.contains ("MIDI Channel"))    return 15;
    return 0;
}

int OrbKeybed::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
