#include "model/OrbControlsToMidiDin.h"

OrbControlsToMidiDin::OrbControlsToMidiDin (int dumpOffset) : Control (numSlots, dumpOffset)
{
    for (auto* name : { "Transport Midi To DIN", "Keybed Midi To DIN", "Lower Keybed Midi To DIN",
                        "Upper Keybed Midi To DIN", "Pitch Wheel Midi To DIN", "Mod Wheel Midi To DIN",
                        "Sustain Midi To DIN", "Knobs Midi To DIN", "Pads Midi To DIN", "Switches Midi To DIN" })
        addParameterName (name);
}

std::uint8_t OrbControlsToMidiDin::getMaximum (const juce::String& name) const
{
    return hasParameterName (name) ? 1 : 0;
}

int OrbControlsToMidiDin::getParameterIndex (const juce::String& name) const
{
    return getNamePosition (name);
}
