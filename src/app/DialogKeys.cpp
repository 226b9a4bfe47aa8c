#include "app/DialogKeys.h"

DialogKeys::DialogKeys (Handler returnHandler, Handler escapeHandler)
    : onReturn (std::move (returnHandler)), onEscape (std::move (escapeHandler))
{}

DialogKeys::~DialogKeys()
{
    for (auto& component : listenedTo)
        if (component != nullptr)
            component->removeKeyListener (this);
}

void DialogKeys::attachTo (juce::Component& window)
{
    listenOn (window);
}

void DialogKeys::listenOn (juce::Component& component)
{
    if (dynamic_cast<juce::Button*> (&component) != nullptr)
        return;

    component.addKeyListener (this);
    listenedTo.add (&component);

    for (auto* child : component.getChildren())
        listenOn (*child);
}

bool DialogKeys::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    // The handler may delete the dialog and with it this object: it runs from a copy, and
    // nothing of this object is touched afterwards.
    if (key == juce::KeyPress::returnKey && onReturn)
    {
        const auto handler = onReturn;
        handler();
        return true;
    }

    if (key == juce::KeyPress::escapeKey && onEscape)
    {
        const auto handler = onEscape;
        handler();
        return true;
    }

    return false;
}
