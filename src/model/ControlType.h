#pragma once

// Type codes that key a preset's control groups; the codes are the device's.
enum class ControlType : int
{
    presetName = 0,
    keybed = 1,
    transport = 2,
    rollMode = 3,
    wheels = 4,
    sustain = 5,
    switches = 6,
    knobs = 7,
    pads = 8,
    controlsToMidiDin = 9
};
