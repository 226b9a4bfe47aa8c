#include "model/OrbSustain.h"

OrbSustain::OrbSustain (int dumpOffset) : TableControl (ControlType::sustain, numSlots, dumpOffset) {}
