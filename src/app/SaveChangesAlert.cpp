#include "app/SaveChangesAlert.h"

juce::String SaveChangesAlert::getMessage (const juce::String& presetName)
{
    return "Save changes to \"" + presetName + "\" before closing?";
}

juce::AlertWindow* SaveChangesAlert::show (juce::Component& window, const juce::String& presetName, Callback onAnswer)
{
    auto* alert = new juce::AlertWindow ("Unsaved Changes", getMessage (presetName),
                                         juce::MessageBoxIconType::QuestionIcon, &window);
    alert->addButton ("Save", save, juce::KeyPress (juce::KeyPress::returnKey));
    alert->addButton ("Don't Save", dontSave, juce::KeyPress ('d', juce::ModifierKeys::commandModifier, 0));
    alert->addButton ("Cancel", cancel, juce::KeyPress (juce::KeyPress::escapeKey));

    // The window the question is about comes first, so that the user sees what would be lost.
    if (auto* top = window.getTopLevelComponent(); top != nullptr && top->isOnDesktop())
        top->toFront (false);

    alert->enterModalState (true, juce::ModalCallbackFunction::create ([onAnswer] (int result) {
                                if (onAnswer)
                                    onAnswer (result == save ? save : result == dontSave ? dontSave : cancel);
                            }),
                            true);

    return alert;
}
