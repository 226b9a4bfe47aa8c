#include "views/PadControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

PadControlView::PadControlView (OrbEditorEngine::Ptr engineToUse, std::uint32_t index)
    : GenericControlView (PresetPresentation::findSection (padType)->getInstanceTitle ((int) index)),
      engine (std::move (engineToUse)), padIndex (index)
{
    buildControls();
    showControlGroup (0);
    offerSettingsMenu (engine, padType, (int) padIndex);
}

PadControlView::~PadControlView() = default;

void PadControlView::buildControls()
{
    const auto instance = (std::uint8_t) padIndex;

    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", instance, padType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    addModeGroups (engine, padType, instance, controllers);

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
