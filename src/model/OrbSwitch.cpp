#include "model/OrbSwitch.h"

OrbSwitch::OrbSwitch (int dumpOffset) : TableControl (switchType, numSlots, dumpOffset)
{
}
