#pragma once

#include "model/TableControl.h"

// The pads' roll (note repeat) function: toggle or momentary, time division, gate and swing.
class OrbRollMode : public TableControl
{
public:
    static constexpr int numSlots = 4;

    explicit OrbRollMode (int dumpOffset);
};
