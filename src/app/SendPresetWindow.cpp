#include "app/SendPresetWindow.h"

SendPresetWindow::SendPresetWindow (OrbEditorEngine::Ptr e, juce::Component* owner)
    : PresetTransferWindow (
        "Send Preset To Hardware",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new SendPresetComponent (l); }, std::move (e),
        TransferStatus::Kind::send, owner)
{}

SendPresetWindow::~SendPresetWindow()
{
    masterReference.clear();
}
