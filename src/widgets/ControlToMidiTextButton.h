#pragma once

#include "widgets/MidiToDinButtonLook.h"
#include "widgets/UIParameterInterface.h"

#include <memory>

// The "MIDI to DIN" caption with a small ON/OFF button, 100 by 12. A click flips the button.
class ControlToMidiTextButton : public UIParameterInterface, public virtual juce::Button::Listener
{
public:
    ControlToMidiTextButton (const juce::String& name, juce::Button::Listener* listener);
    ~ControlToMidiTextButton() override;

    // "ON" for a non-zero value, "OFF" for zero; the toggle state follows, silently.
    void setValue (int shownValue) override;

    void buttonClicked (juce::Button* clicked) override;

    juce::TextButton& getButton() { return *button; }
    juce::Label& getLabel() { return *label; }

protected:
    std::unique_ptr<juce::Label> label;
    std::unique_ptr<juce::TextButton> button;
    MidiToDinButtonLook buttonLook;
};
