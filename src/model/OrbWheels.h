#pragma once

#include "model/Control.h"

// The pitch and modulation wheels. Their MIDI channels go up to 16, which stands for "Omni".
class OrbWheels : public Control
{
public:
    static constexpr int numSlots = 5;

    explicit OrbWheels (int dumpOffset);

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
