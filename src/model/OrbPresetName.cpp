#include "model/OrbPresetName.h"

OrbPresetName::OrbPresetName() : TableControl (ControlType::presetName, numSlots, 0) {}
