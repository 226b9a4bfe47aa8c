#pragma once

#include "midi/TransferStatus.h"
#include "widgets/ComboBoxWithLabel.h"
#include "widgets/CustomLook.h"

#include <cstdint>
#include <memory>

// The content of the get and send dialogs: a "Preset Slot:" list of the slots "1" to "24", an
// action button and "Cancel". Both buttons report to the listener given at construction (the
// dialog window), which tells them apart by name. While a transfer runs, a progress bar takes
// the list's place and the action button is disabled; after a failure a line above the list says
// what failed and the action button is enabled again to retry.
class PresetSlotComponent : public juce::Component, public juce::ComboBox::Listener
{
public:
    static constexpr int numSlots = 24;

    ~PresetSlotComponent() override;

    // The slot number last chosen, 1 to 24.
    std::uint8_t getSelectedSlot() const { return selectedSlot; }

    void comboBoxChanged (juce::ComboBox* comboBox) override;
    void paint (juce::Graphics& g) override;

    // Shows a running transfer's progress, or what made it fail.
    void showTransfer (const TransferStatus& status);

    ComboBoxWithLabel& getSlotSelector() { return *slotSelector; }
    juce::TextButton& getActionButton() { return *actionButton; }
    juce::TextButton& getCancelButton() { return *cancelButton; }
    juce::ProgressBar& getProgressBar() { return progressBar; }
    juce::Label& getFailureLabel() { return failureLabel; }

protected:
    PresetSlotComponent (const juce::String& actionName, juce::Button::Listener* listener);

    std::unique_ptr<ComboBoxWithLabel> slotSelector;
    std::unique_ptr<juce::TextButton> actionButton;
    std::unique_ptr<juce::TextButton> cancelButton;
    CustomLook look;
    std::uint8_t selectedSlot = 1;
    double progress = 0.0; // read by the progress bar's own timer
    juce::ProgressBar progressBar { progress };
    juce::Label failureLabel;

    JUCE_DECLARE_NON_COPYABLE (PresetSlotComponent)
};
