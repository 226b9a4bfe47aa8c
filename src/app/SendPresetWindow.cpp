#include "app/SendPresetWindow.h"

SendPresetWindow::SendPresetWindow (OrbEditorEngine::Ptr e)
    : PresetTransferWindow (
        "Send Preset To Hardware",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new SendPresetComponent (l); }, std::move (e),
        TransferStatus::Kind::send)
{}

SendPresetWindow::~SendPresetWindow()
{
    masterReference.clear();
}
