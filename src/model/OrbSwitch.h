#pragma once

#include "model/TableControl.h"

// One assignable switch: CC toggle, CC momentary or program change (mode 3 is kept as received),
// with names per mode sharing slots 1 to 3.
class OrbSwitch : public TableControl
{
public:
    static constexpr int numSlots = 5;

    explicit OrbSwitch (int dumpOffset);
};
