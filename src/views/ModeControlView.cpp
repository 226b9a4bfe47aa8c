#include "views/ModeControlView.h"

#include "model/PresetPresentation.h"

ModeControlView::ModeControlView (OrbEditorEngine::Ptr engineToUse, ControlType type, int index)
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

    // One group per mode of the type's "Mode" list, in mode order, so that entry k is mode value k.
    if (const auto* section = PresetPresentation::findSection (controlType))
    {
        const auto* group = engine != nullptr ? engine->getControl (controlType, instance) : nullptr;

        for (const auto& mode : section->modes)
        {
            juce::Array<juce::Component*> widgets;

            for (const auto& name : mode.parameters)
            {
                const auto& shown = PresetPresentation::getParameter (controlType, name);
                widgets.add (controllers.add (new DoubleParamterControllerNumberBox (
                    engine, name, instance, controlType, shown.getShownMinimum (group), shown.getShownMaximum (group),
                    shown.offset)));
            }

            addControlGroup (mode.name, widgets);
        }
    }

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
