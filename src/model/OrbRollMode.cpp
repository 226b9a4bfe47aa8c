#include "model/OrbRollMode.h"

OrbRollMode::OrbRollMode (int dumpOffset) : TableControl (ControlType::rollMode, numSlots, dumpOffset) {}
