#include "model/OrbPresetName.h"

OrbPresetName::OrbPresetName() : TableControl (presetNameType, numSlots, 0)
{
}
