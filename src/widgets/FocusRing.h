#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A ring drawn around whichever widget inside its parent has the keyboard focus once the user
// moves the focus with the keyboard (Tab, shift+Tab), so that they see where the keys go; a click
// in the parent hides it until the keyboard moves the focus again. It lies over the parent's other
// children and lets every click through; with the focus elsewhere it is hidden.
class FocusRing : public juce::Component, private juce::FocusChangeListener
{
public:
    static constexpr int thickness = 2;

    FocusRing();
    ~FocusRing() override;

    void paint (juce::Graphics& g) override;

    // Follows the focused component now (the desktop tells the ring of every later change).
    void follow (juce::Component* focused);

    // The keyboard is about to move the focus: show the ring from now on.
    void keyboardMovesFocus() { byKeyboard = true; }

    void parentHierarchyChanged() override;
    void mouseDown (const juce::MouseEvent&) override;

private:
    bool byKeyboard = false;
    juce::Component::SafePointer<juce::Component> watchedParent;

    void globalFocusChanged (juce::Component* focused) override { follow (focused); }

    JUCE_DECLARE_NON_COPYABLE (FocusRing)
};
