#include "model/OrbKnob.h"

OrbKnob::OrbKnob (int dumpOffset) : TableControl (knobType, numSlots, dumpOffset)
{
}
