#include "model/OrbControlsToMidiDin.h"

OrbControlsToMidiDin::OrbControlsToMidiDin (int dumpOffset)
    : TableControl (ControlType::controlsToMidiDin, numSlots, dumpOffset)
{}
