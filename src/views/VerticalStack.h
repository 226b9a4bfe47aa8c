#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The column layout of the section panels: widgets one below the other at x 0, 200 wide and of one
// height, 5 pixels apart, each made a visible child of the panel.
struct VerticalStack
{
    // Stacks the widgets from y `top`; null entries are skipped. Returns the y just below the stack
    // (where the next widget would go).
    static int place (juce::Component& panel, const juce::Array<juce::Component*>& widgets, int top, int height);

    // Stacks them under a panel title, starting 10 pixels below it.
    static int placeBelowTitle (juce::Component& panel, const juce::Component& title,
                                const juce::Array<juce::Component*>& widgets, int height)
    {
        return place (panel, widgets, title.getHeight() + 10, height);
    }

    VerticalStack() = delete;
};
