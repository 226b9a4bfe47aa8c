#pragma once

#include "app/FixedSizeDialog.h"
#include "app/PresetSlotComponent.h"
#include "midi/OrbEditorEngine.h"

// What the get and send dialogs share: a small window around a slot list, not modal, that keeps
// its engine alive while open. The action button starts the transfer for the chosen slot and the
// dialog shows its progress; it closes once the transfer succeeded, stays open after a failure
// (showing what failed, ready to retry) and closes on "Cancel", which also stops the transfer. A
// send stopped by "Cancel" once it has begun writing leaves the dialog open, saying that the slot
// was left incomplete, with "Send" ready to complete it. Return is the action button, escape and
// the title bar's close are "Cancel".
class PresetTransferWindow : public FixedSizeDialog,
                             public juce::Button::Listener,
                             private OrbEditorEngine::TransferListener
{
public:
    ~PresetTransferWindow() override;

    void buttonClicked (juce::Button* button) override;

protected:
    using ContentFactory = PresetSlotComponent* (*) (juce::Button::Listener* buttonListener);

    PresetTransferWindow (const juce::String& title, ContentFactory makeContent, OrbEditorEngine::Ptr engine,
                          TransferStatus::Kind kind, juce::Component* owner);

    // Starts the transfer for a slot index (0 to 23).
    virtual void startTransfer (std::uint8_t slotIndex) = 0;
    // Told when the transfer succeeded, just before the dialog closes.
    virtual void transferSucceeded (const TransferStatus&) {}

    PresetSlotComponent& getSlotContent() { return *content; }

    OrbEditorEngine::Ptr engine;

private:
    void returnPressed() override;
    void cancelPressed() override;
    void transferChanged (const TransferStatus& status) override;
    bool isRunning() const;

    PresetSlotComponent* content;
    const TransferStatus::Kind kind;

    JUCE_DECLARE_NON_COPYABLE (PresetTransferWindow)
};
