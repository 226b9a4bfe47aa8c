#pragma once

#include "model/TableControl.h"

// One drum pad. Slots 1 to 3 mean different things in each mode (slot 0), and each meaning has
// its own name; all names of a slot read and write the same byte.
class OrbPad : public TableControl
{
public:
    static constexpr int numSlots = 5;

    explicit OrbPad (int dumpOffset);
};
