#pragma once

#include "model/Control.h"

// The pads' roll (note repeat) function: toggle or momentary, time division, gate and swing.
class OrbRollMode : public Control
{
public:
    static constexpr int numSlots = 4;

    explicit OrbRollMode (int dumpOffset);

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
