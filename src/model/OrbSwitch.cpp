#include "model/OrbSwitch.h"

OrbSwitch::OrbSwitch (int dumpOffset) : TableControl (ControlType::switches, numSlots, dumpOffset) {}
