#pragma once

#include "model/TableControl.h"

// One on/off flag per section: whether that section's MIDI also goes to the DIN MIDI output.
class OrbControlsToMidiDin : public TableControl
{
public:
    static constexpr int numSlots = 10;

    explicit OrbControlsToMidiDin (int dumpOffset);
};
