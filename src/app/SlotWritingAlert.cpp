#include "app/SlotWritingAlert.h"

juce::String SlotWritingAlert::getMessage (int slotNumber)
{
    return "Slot " + juce::String (slotNumber) + " is being written. Closing now leaves it incomplete.";
}

juce::AlertWindow* SlotWritingAlert::show (juce::Component* window, int slotNumber, Callback onAnswer)
{
    auto* alert = new juce::AlertWindow ("Slot Being Written", getMessage (slotNumber),
                                         juce::MessageBoxIconType::WarningIcon, window);
    alert->addButton ("Wait", wait, juce::KeyPress (juce::KeyPress::returnKey),
                      juce::KeyPress (juce::KeyPress::escapeKey));
    alert->addButton ("Stop and Close", stopAndClose);

    if (window != nullptr)
        if (auto* top = window->getTopLevelComponent(); top != nullptr && top->isOnDesktop())
            top->toFront (false);

    alert->enterModalState (true, juce::ModalCallbackFunction::create ([onAnswer] (int result) {
                                if (onAnswer)
                                    onAnswer (result == stopAndClose ? stopAndClose : wait);
                            }),
                            true);
    return alert;
}
