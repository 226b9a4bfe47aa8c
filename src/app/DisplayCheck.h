#pragma once

#include <juce_core/juce_core.h>

// Whether the editor can reach a graphical display before the framework tries to use one (it
// does not survive the attempt when no X server answers).
class DisplayCheck
{
public:
    // True when an X server answers at DISPLAY.
    static bool isReachable();

    // The one line a start without a display prints on standard error.
    static juce::String describeMissingDisplay();
};
