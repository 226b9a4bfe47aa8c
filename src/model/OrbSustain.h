#pragma once

#include "model/TableControl.h"

// The sustain pedal input: the CC it sends, the values for pressed and released, its channel.
class OrbSustain : public TableControl
{
public:
    static constexpr int numSlots = 4;

    explicit OrbSustain (int dumpOffset);
};
