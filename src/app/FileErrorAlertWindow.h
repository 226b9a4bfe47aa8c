#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The "File Error" message box with the given text. Constructing one shows the box at once; the
// box owns the object from then on and deletes it when the user dismisses it.
class FileErrorAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    // Shown over the owner's window when one is given, otherwise centred on the screen.
    explicit FileErrorAlertWindow (const juce::String& message, juce::Component* owner = nullptr);
    ~FileErrorAlertWindow() override;

    void modalStateFinished (int returnValue) override;

    // The texts for a preset file that could not be read or written (name with extension).
    static juce::String openingFailed (const juce::String& fileName);
    static juce::String savingFailed (const juce::String& fileName);

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (FileErrorAlertWindow)
    JUCE_DECLARE_NON_COPYABLE (FileErrorAlertWindow)
};
