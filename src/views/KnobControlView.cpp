#include "views/KnobControlView.h"

#include "model/ControlType.h"

KnobControlView::KnobControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : GenericControlView ("Knob " + juce::String ((int) index + 1)), engine (std::move (engineToUse)), knobIndex (index)
{
    buildControls();
    showControlGroup (0);
}

KnobControlView::~KnobControlView() = default;

void KnobControlView::buildControls()
{
    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", knobIndex, knobType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    const auto addGroup = [this] (const juce::String& groupName, std::initializer_list<const char*> names)
    {
        juce::Array<juce::Component*> widgets;

        for (auto* name : names)
        {
            const bool channel = juce::String (name) == "MIDI Channel";
            widgets.add (controllers.add (new DoubleParamterControllerNumberBox (
                engine, name, knobIndex, knobType, channel ? 1 : 0, channel ? 16 : 127, channel ? 1 : 0)));
        }

        addControlGroup (groupName, widgets);
    };

    addGroup ("CC", { "MIDI Channel", "CC", "Min", "Max" });
    addGroup ("Aftertouch", { "MIDI Channel", "Min", "Max" });

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
