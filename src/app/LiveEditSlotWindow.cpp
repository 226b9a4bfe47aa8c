#include "app/LiveEditSlotWindow.h"

#include "midi/LiveEditSession.h"

LiveEditSlotWindow::LiveEditSlotWindow (OrbEditorEngine::Ptr e, juce::Component* owner)
    : PresetTransferWindow (
        "Live Edit Slot",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new LiveEditSlotComponent (l); }, std::move (e),
        TransferStatus::Kind::send, owner)
{}

LiveEditSlotWindow::~LiveEditSlotWindow()
{
    masterReference.clear();
}

void LiveEditSlotWindow::startTransfer (std::uint8_t slotIndex)
{
    // A failure to start is told through the engine's send status, which this dialog shows.
    engine->getLiveEdit().start (slotIndex);
}
