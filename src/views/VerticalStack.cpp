#include "views/VerticalStack.h"

int VerticalStack::place (juce::Component& panel, const juce::Array<juce::Component*>& widgets, int top, int height)
{
    int y = top;

    for (auto* widget : widgets)
    {
        if (widget == nullptr)
            continue;

        widget->setBounds (0, y, 200, height);
        panel.addAndMakeVisible (widget);
        y += widget->getHeight() + 5;
    }

    return y;
}
