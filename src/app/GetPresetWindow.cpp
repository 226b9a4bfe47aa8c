#include "app/GetPresetWindow.h"

GetPresetWindow::GetPresetWindow (OrbEditorEngine::Ptr e)
    : PresetTransferWindow (
        "Get Preset From Hardware",
        [] (juce::Button::Listener* l) -> PresetSlotComponent* { return new GetPresetComponent (l); }, std::move (e),
        TransferStatus::Kind::get)
{}

GetPresetWindow::~GetPresetWindow()
{
    masterReference.clear();
}
