#include "model/OrbSustain.h"

OrbSustain::OrbSustain (int dumpOffset) : TableControl (sustainType, numSlots, dumpOffset)
{
}
