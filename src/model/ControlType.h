#pragma once

// Type codes that key a preset's control groups.
enum ControlType
{
    presetNameType = 0,
    keybedType = 1,
    transportType = 2,
    rollModeType = 3,
    wheelsType = 4,
    sustainType = 5,
    switchType = 6,
    knobType = 7,
    padType = 8,
    controlsToMidiDinType = 9
};
