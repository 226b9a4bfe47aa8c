#pragma once

#include "model/TableControl.h"

// The preset's 16-character name as the hardware stores it, one character code per slot
// ("Preset Name 1" to "Preset Name 16"). No view edits it: it travels unchanged through gets,
// sends and files.
class OrbPresetName : public TableControl
{
public:
    static constexpr int numSlots = 16;

    OrbPresetName();
};
