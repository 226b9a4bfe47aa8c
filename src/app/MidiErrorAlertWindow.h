#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The "MIDI Error" message box. Constructing one shows the box at once; the box owns the object
// from then on and deletes it when the user dismisses it.
class MidiErrorAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    // Shown over the owner's window when one is given, otherwise centred on the screen.
    explicit MidiErrorAlertWindow (juce::Component* owner = nullptr);
    ~MidiErrorAlertWindow() override;

    void modalStateFinished (int returnValue) override;

    static juce::String getMessage();

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (MidiErrorAlertWindow)
    JUCE_DECLARE_NON_COPYABLE (MidiErrorAlertWindow)
};
