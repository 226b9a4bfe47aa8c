#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Tells the window manager that a top-level window has a fixed size, so that it offers neither
// resizing nor maximising. The framework does work the size out, but on X11 it then replaces the
// window's size hints with its position and size alone whenever the window moves.
// Held by the window whose hints it fixes, so that the second fixing never outlives it.
class WindowSizeHints : private juce::Timer
{
public:
    ~WindowSizeHints() override { stopTimer(); }

    // Fixes the size hints of the component's native window at its present size (nothing for a
    // component that is not on the desktop), now and once more shortly after.
    void fixSize (juce::Component& topLevel);

private:
    void timerCallback() override;

    juce::Component::SafePointer<juce::Component> window;
};
