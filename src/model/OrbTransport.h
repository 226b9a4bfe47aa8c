#pragma once

#include "model/TableControl.h"

// One transport button (rewind, fast forward, stop, play, loop, record): its function and CC.
class OrbTransport : public TableControl
{
public:
    static constexpr int numSlots = 2;

    explicit OrbTransport (int dumpOffset);
};
