#pragma once

#include "app/LiveEditSlotComponent.h"
#include "app/PresetTransferWindow.h"

// "Live Edit Slot": asks for the slot to edit live when the window has none yet. "Start" sends
// the whole preset there as a send does, showing the progress, and closes once the device holds
// it: from then on every edit is written to that slot as it is made.
class LiveEditSlotWindow : public PresetTransferWindow
{
public:
    explicit LiveEditSlotWindow (OrbEditorEngine::Ptr engine, juce::Component* owner = nullptr);
    ~LiveEditSlotWindow() override;

    LiveEditSlotComponent& getContent() { return static_cast<LiveEditSlotComponent&> (getSlotContent()); }

private:
    void startTransfer (std::uint8_t slotIndex) override;

    JUCE_DECLARE_WEAK_REFERENCEABLE (LiveEditSlotWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LiveEditSlotWindow)
};
