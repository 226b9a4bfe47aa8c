#include "views/ModeControlView.h"

#include "model/PresetPresentation.h"

ModeControlView::ModeControlView (OrbEditorEngine::Ptr engineToUse, int type, int index)
    : GenericControlView (PresetPresentation::findSection (type)->getInstanceTitle (index)),
      engine (std::move (engineToUse)), controlType (type), instanceIndex (index)
{
    buildControls();
    showControlGroup (0);
    offerSettingsMenu (engine, controlType, instanceIndex);
}

ModeControlView::~ModeControlView() = default;

void ModeControlView::buildControls()
{
    const auto instance = (std::uint8_t) instanceIndex;

    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", instance, controlType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    addModeGroups (engine, controlType, instance, controllers);

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
