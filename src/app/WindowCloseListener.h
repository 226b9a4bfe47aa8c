#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Told by an editor window that it is to close.
class WindowCloseListener
{
public:
    virtual void windowClosed (juce::Component* window) = 0;
    virtual ~WindowCloseListener() = default;
};
