#pragma once

#include "model/Control.h"

// One on/off flag per section: whether that section's MIDI also goes to the DIN MIDI output.
class OrbControlsToMidiDin : public Control
{
public:
    static constexpr int numSlots = 10;

    explicit OrbControlsToMidiDin (int dumpOffset);

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
