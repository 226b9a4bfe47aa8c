#include "model/OrbWheels.h"

OrbWheels::OrbWheels (int dumpOffset) : TableControl (ControlType::wheels, numSlots, dumpOffset) {}
