#pragma once

#include "model/ControlType.h"
#include "widgets/ControlToMidiTextButton.h"
#include "widgets/SingleParameterController.h"

// The MIDI-to-DIN ON/OFF button bound to one flag of the MIDI-to-DIN group (type 9).
class ControlToMidiControllerButton : public ControlToMidiTextButton,
                                      public SingleParameterController,
                                      public virtual juce::Button::Listener
{
public:
    ControlToMidiControllerButton (OrbEditorEngine::Ptr engine, const juce::String& parameterName);
    ~ControlToMidiControllerButton() override;

    void setValue (int shownValue) override { ControlToMidiTextButton::setValue (shownValue); }
    void buttonClicked (juce::Button* clicked) override;
};
