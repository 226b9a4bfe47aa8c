#include "app/GetPresetWindow.h"

GetPresetWindow::GetPresetWindow (OrbEditorEngine::Ptr e, juce::Component* owner)
    : PresetTransferWindow (
        "Get Preset From Hardware",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new GetPresetComponent (l); }, std::move (e),
        TransferStatus::Kind::get, owner)
{}

GetPresetWindow::~GetPresetWindow()
{
    masterReference.clear();
}
