#include "model/OrbKnob.h"

OrbKnob::OrbKnob (int dumpOffset) : TableControl (ControlType::knobs, numSlots, dumpOffset) {}
