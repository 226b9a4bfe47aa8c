#include "model/OrbKeybed.h"

OrbKeybed::OrbKeybed (int dumpOffset, std::uint8_t splitPointMaximum, std::uint8_t octaveMaximum)
    : TableControl (ControlType::keybed, numSlots, dumpOffset, { splitPointMaximum, octaveMaximum })
{}
