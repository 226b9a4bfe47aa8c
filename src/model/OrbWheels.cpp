#include "model/OrbWheels.h"

OrbWheels::OrbWheels (int dumpOffset) : TableControl (wheelsType, numSlots, dumpOffset)
{
}
