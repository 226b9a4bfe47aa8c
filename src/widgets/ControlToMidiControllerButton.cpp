#include "widgets/ControlToMidiControllerButton.h"

ControlToMidiControllerButton::ControlToMidiControllerButton (OrbEditorEngine::Ptr engineToUse,
                                                              const juce::String& name)
    : ControlToMidiTextButton (name, nullptr),
      SingleParameterController (this, std::move (engineToUse), name, ControlType::controlsToMidiDin, 0)
{
    refreshWidget();
}

ControlToMidiControllerButton::~ControlToMidiControllerButton()
{
    button->removeListener (this);
}

void ControlToMidiControllerButton::buttonClicked (juce::Button* clicked)
{
    if (clicked != button.get())
        return;

    // Show the flipped flag first, then store it: should the group refuse it, the store snaps
    // the button back to what the group holds.
    const int flipped = button->getToggleState() ? 0 : 1;
    setValue (flipped);
    widgetValueChanged (flipped);
}
