#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Raises a top-level window above its siblings at the X server. The framework only asks a window
// manager to bring a window to the front, so with none running nothing moves, and a window mapped
// later stays above an alert that ought to be on top.
class WindowStacking
{
public:
    // Raises the component's native window (nothing for a component that is not on the desktop).
    static void raise (juce::Component& topLevel);
};
