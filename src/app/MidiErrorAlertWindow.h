#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The "MIDI Error" message box. Constructing one shows the box at once; the box owns the object
// from then on and deletes it when the user dismisses it.
class MidiErrorAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    MidiErrorAlertWindow();
    ~MidiErrorAlertWindow() override;

    void modalStateFinished (int returnValue) override;

    static juce::String getMessage();

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (MidiErrorAlertWindow)
    JUCE_DECLARE_NON_COPYABLE (MidiErrorAlertWindow)
};
