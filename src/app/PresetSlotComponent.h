#pragma once

#include "widgets/ComboBoxWithLabel.h"
#include "widgets/CustomLook.h"

#include <cstdint>
#include <memory>

// The content of the get and send dialogs: a "Preset Slot:" list of the slots "1" to "24", an
// action button and "Cancel". Both buttons report to the listener given at construction (the
// dialog window), which tells them apart by name.
class PresetSlotComponent : public juce::Component,
                            public juce::ComboBox::Listener
{
public:
    static constexpr int numSlots = 24;

    ~PresetSlotComponent() override;

    // The slot number last chosen, 1 to 24.
    std::uint8_t getSelectedSlot() const { return selectedSlot; }

    void comboBoxChanged (juce::ComboBox* comboBox) override;
    void paint (juce::Graphics& g) override;

    ComboBoxWithLabel& getSlotSelector() { return *slotSelector; }
    juce::TextButton& getActionButton() { return *actionButton; }
    juce::TextButton& getCancelButton() { return *cancelButton; }

protected:
    PresetSlotComponent (const juce::String& actionName, juce::Button::Listener* listener);

    std::unique_ptr<ComboBoxWithLabel> slotSelector;
    std::unique_ptr<juce::TextButton> actionButton;
    std::unique_ptr<juce::TextButton> cancelButton;
    CustomLook look;
    std::uint8_t selectedSlot = 1;

    JUCE_DECLARE_NON_COPYABLE (PresetSlotComponent)
};
