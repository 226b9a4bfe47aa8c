#pragma once

#include "model/Control.h"

// The sustain pedal input: the CC it sends, the values for pressed and released, its channel.
class OrbSustain : public Control
{
public:
    static constexpr int numSlots = 4;

    explicit OrbSustain (int dumpOffset);

    int getParameterIndex (const juce::String& name) const override;
};
