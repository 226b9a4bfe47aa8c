#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// A blank component of the editor's size, standing in for its views.
inline juce::Component* newCanvas()
{
    auto* canvas = new juce::Component();
    canvas->setSize (1200, 700);
    return canvas;
}

// Every top-level component of the desktop of that class.
template <typename WindowClass>
std::vector<WindowClass*> findWindows()
{
    std::vector<WindowClass*> found;
    for (int i = 0; i < juce::Desktop::getInstance().getNumComponents(); ++i)
        if (auto* window = dynamic_cast<WindowClass*> (juce::Desktop::getInstance().getComponent (i)))
            found.push_back (window);

    return found;
}
