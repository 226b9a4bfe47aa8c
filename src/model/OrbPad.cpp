#include "model/OrbPad.h"

OrbPad::OrbPad (int dumpOffset) : TableControl (ControlType::pads, numSlots, dumpOffset) {}
