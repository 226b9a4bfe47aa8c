#pragma once

#include "model/Control.h"

// One transport button (rewind, fast forward, stop, play, loop, record): its function and CC.
class OrbTransport : public Control
{
public:
    static constexpr int numSlots = 2;

    explicit OrbTransport (int dumpOffset);

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
