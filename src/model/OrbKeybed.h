#pragma once

#include "model/TableControl.h"

// The keybed: its whole-keybed settings (slots 0-3), the split (4, 5) and the settings of its
// lower (6-9) and upper (10-13) zones when split. The highest split point and octave are the
// model's, given at construction; its other maxima go by the words of the name, which need not
// be one of the keybed's.
class OrbKeybed : public TableControl
{
public:
    static constexpr int numSlots = 14;

    OrbKeybed (int dumpOffset, std::uint8_t splitPointMaximum, std::uint8_t octaveMaximum);
};
