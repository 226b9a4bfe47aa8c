#pragma once

#include "model/Control.h"

// One assignable knob: CC or aftertouch mode, its CC, range and channel.
class OrbKnob : public Control
{
public:
    static constexpr int numSlots = 5;

    explicit OrbKnob (int dumpOffset);

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
