#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A ring drawn around whichever widget inside its parent has the keyboard focus, so that a user
// moving through the widgets with Tab and shift+Tab sees where the keys go. It lies over the
// parent's other children and lets every click through; with the focus elsewhere it is hidden.
class FocusRing : public juce::Component, private juce::FocusChangeListener
{
public:
    static constexpr int thickness = 2;

    FocusRing();
    ~FocusRing() override;

    void paint (juce::Graphics& g) override;

    // Follows the focused component now (the desktop tells the ring of every later change).
    void follow (juce::Component* focused);

private:
    void globalFocusChanged (juce::Component* focused) override { follow (focused); }

    JUCE_DECLARE_NON_COPYABLE (FocusRing)
};
