#include "model/OrbPad.h"

OrbPad::OrbPad (int dumpOffset) : TableControl (padType, numSlots, dumpOffset)
{
}
