#pragma once

#include "model/TableControl.h"

// The pitch and modulation wheels. Their MIDI channels go up to 16, which stands for "Omni".
class OrbWheels : public TableControl
{
public:
    static constexpr int numSlots = 5;

    explicit OrbWheels (int dumpOffset);
};
