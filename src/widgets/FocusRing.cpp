#include "widgets/FocusRing.h"

#include "widgets/CustomLook.h"

FocusRing::FocusRing()
{
    setInterceptsMouseClicks (false, false);
    setWantsKeyboardFocus (false);
    juce::Desktop::getInstance().addFocusChangeListener (this);
}

FocusRing::~FocusRing()
{
    if (watchedParent != nullptr)
        watchedParent->removeMouseListener (this);
    juce::Desktop::getInstance().removeFocusChangeListener (this);
}

void FocusRing::parentHierarchyChanged()
{
    if (watchedParent != nullptr)
        watchedParent->removeMouseListener (this);

    // Clicks anywhere in the parent, its widgets included, tell the mouse from the keyboard.
    watchedParent = getParentComponent();
    if (watchedParent != nullptr)
        watchedParent->addMouseListener (this, true);
}

void FocusRing::mouseDown (const juce::MouseEvent&)
{
    byKeyboard = false;
    setVisible (false);
}

void FocusRing::paint (juce::Graphics& g)
{
    // Blue with a white inner line: seen on the dark views and on white boxes alike.
    g.setColour (juce::Colour (CustomLook::accentBlue));
    g.drawRect (getLocalBounds(), thickness);
    g.setColour (juce::Colours::white);
    g.drawRect (getLocalBounds().reduced (thickness), 1);
}

void FocusRing::follow (juce::Component* focused)
{
    auto* parent = getParentComponent();

    if (! byKeyboard || parent == nullptr || focused == nullptr || focused == parent || ! parent->isParentOf (focused)
        || ! focused->isShowing())
    {
        setVisible (false);
        return;
    }

    setBounds (parent->getLocalArea (focused, focused->getLocalBounds()).expanded (thickness + 1));
    toFront (false);
    setVisible (true);
}
