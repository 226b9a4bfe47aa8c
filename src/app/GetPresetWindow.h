#pragma once

#include "app/GetPresetComponent.h"
#include "app/PresetTransferWindow.h"

// "Get Preset From Hardware": asks for a slot and has the engine fetch the preset stored there,
// showing the progress; it closes once the preset is applied.
class GetPresetWindow : public PresetTransferWindow
{
public:
    // Opens centred over the owner (the editor window), or over the active window without one.
    explicit GetPresetWindow (OrbEditorEngine::Ptr engine, juce::Component* owner = nullptr);
    ~GetPresetWindow() override;

    GetPresetComponent& getContent() { return static_cast<GetPresetComponent&> (getSlotContent()); }

private:
    void startTransfer (std::uint8_t slotIndex) override { engine->getPreset (slotIndex); }

    JUCE_DECLARE_WEAK_REFERENCEABLE (GetPresetWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetWindow)
};
