#pragma once

#include "app/PresetTransferWindow.h"
#include "app/SendPresetComponent.h"

// "Send Preset To Hardware": asks for a slot and has the engine write the preset there, read it
// back and write again what did not arrive, showing the progress; it closes once the device holds
// the preset, and after a failure stays open so that the user can fix the ports and send again.
class SendPresetWindow : public PresetTransferWindow
{
public:
    // Opens centred over the owner (the editor window), or over the active window without one.
    explicit SendPresetWindow (OrbEditorEngine::Ptr engine, juce::Component* owner = nullptr);
    ~SendPresetWindow() override;

    SendPresetComponent& getContent() { return static_cast<SendPresetComponent&> (getSlotContent()); }

private:
    void startTransfer (std::uint8_t slotIndex) override { engine->sendPreset (slotIndex); }

    JUCE_DECLARE_WEAK_REFERENCEABLE (SendPresetWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetWindow)
};
