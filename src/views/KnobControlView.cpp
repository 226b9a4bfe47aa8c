#include "views/KnobControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

KnobControlView::KnobControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : GenericControlView (PresetPresentation::findSection (knobType)->getInstanceTitle ((int) index)),
      engine (std::move (engineToUse)), knobIndex (index)
{
    buildControls();
    showControlGroup (0);
    offerSettingsMenu (engine, knobType, (int) knobIndex);
}

KnobControlView::~KnobControlView() = default;

void KnobControlView::buildControls()
{
    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", knobIndex, knobType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    addModeGroups (engine, knobType, knobIndex, controllers);

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
