#pragma once

#include "app/GetPresetComponent.h"
#include "app/PresetTransferWindow.h"

#include <functional>

// "Compare With Hardware Slot": asks for a slot and gets the preset stored there into a scratch
// engine of its own (never into the window's preset), through the same transfer queue as a get;
// once it has arrived the dialog hands it over and closes.
class CompareSlotWindow : public PresetTransferWindow
{
public:
    // Told with the scratch engine holding the slot's preset, and the slot number (1 to 24).
    using Callback = std::function<void (const OrbEditorEngine& got, int slotNumber)>;

    CompareSlotWindow (OrbEditorEngine::Ptr scratchEngine, Callback onGot, juce::Component* owner = nullptr);
    ~CompareSlotWindow() override;

    GetPresetComponent& getContent() { return static_cast<GetPresetComponent&> (getSlotContent()); }

private:
    void startTransfer (std::uint8_t slotIndex) override { engine->getPreset (slotIndex); }
    void transferSucceeded (const TransferStatus& status) override;

    Callback onGot;

    JUCE_DECLARE_WEAK_REFERENCEABLE (CompareSlotWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CompareSlotWindow)
};
