#include "model/OrbRollMode.h"

OrbRollMode::OrbRollMode (int dumpOffset) : TableControl (rollModeType, numSlots, dumpOffset)
{
}
