#include "views/PadControlView.h"

#include "model/ControlType.h"

PadControlView::PadControlView (OrbEditorEngine::Ptr engineToUse, std::uint32_t index)
    : GenericControlView ("Pad " + juce::String ((int) index + 1)), engine (std::move (engineToUse)), padIndex (index)
{
    buildControls();
    showControlGroup (0);
}

PadControlView::~PadControlView() = default;

void PadControlView::buildControls()
{
    const auto instance = (std::uint8_t) padIndex;

    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", instance, padType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    const auto addGroup = [this, instance] (const juce::String& groupName, std::initializer_list<const char*> names)
    {
        juce::Array<juce::Component*> widgets;

        for (auto* name : names)
        {
            // Channels and velocity curves are shown from 1.
            const juce::String parameter (name);
            const bool fromOne = parameter == "MIDI Channel" || parameter == "Curve";
            const int maximum = parameter == "MIDI Channel" ? 16 : (parameter == "Curve" ? 8 : 127);
            widgets.add (controllers.add (new DoubleParamterControllerNumberBox (
                engine, parameter, instance, padType, fromOne ? 1 : 0, maximum, fromOne ? 1 : 0)));
        }

        addControlGroup (groupName, widgets);
    };

    addGroup ("Note", { "MIDI Channel", "Note", "Fixed", "Curve" });
    addGroup ("CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" });
    addGroup ("CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" });
    addGroup ("Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" });

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
