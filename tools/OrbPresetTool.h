#pragma once

#include "midi/MidiPortLayer.h"
#include "midi/OrbEditorEngine.h"

#include <juce_core/juce_core.h>

// Runs one orbpreset command line (without the program name) and returns its exit status. The
// device commands reach the controller through the given port layer, paced by the given timing.
int runOrbPreset (const juce::StringArray& args, MidiPortLayer& devicePorts, OrbEditorEngine::Timing timing);
