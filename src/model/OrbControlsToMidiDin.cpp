#include "model/OrbControlsToMidiDin.h"

OrbControlsToMidiDin::OrbControlsToMidiDin (int dumpOffset) : TableControl (controlsToMidiDinType, numSlots, dumpOffset)
{
}
