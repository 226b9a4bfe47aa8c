#include "views/SwitchControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

SwitchControlView::SwitchControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : GenericControlView (PresetPresentation::findSection (switchType)->getInstanceTitle ((int) index)),
      engine (std::move (engineToUse)),
      switchIndex (index)
{
    buildControls();
    showControlGroup (0);
    offerSettingsMenu (engine, switchType, (int) switchIndex);
}

SwitchControlView::~SwitchControlView() = default;

void SwitchControlView::buildControls()
{
    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", switchIndex, switchType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    addModeGroups (engine, switchType, switchIndex, controllers);

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
