#include "app/CompareSlotWindow.h"

CompareSlotWindow::CompareSlotWindow (OrbEditorEngine::Ptr scratchEngine, Callback callback, juce::Component* owner)
    : PresetTransferWindow (
        "Compare With Hardware Slot",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new GetPresetComponent (l); },
        std::move (scratchEngine), TransferStatus::Kind::get, owner),
      onGot (std::move (callback))
{}

CompareSlotWindow::~CompareSlotWindow()
{
    masterReference.clear();
}

void CompareSlotWindow::transferSucceeded (const TransferStatus& status)
{
    if (onGot)
        onGot (*engine, status.slotNumber);
}
