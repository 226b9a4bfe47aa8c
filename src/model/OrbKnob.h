#pragma once

#include "model/TableControl.h"

// One assignable knob: CC or aftertouch mode, its CC, range and channel.
class OrbKnob : public TableControl
{
public:
    static constexpr int numSlots = 5;

    explicit OrbKnob (int dumpOffset);
};
