#include "views/SwitchControlView.h"

#include "model/ControlType.h"

SwitchControlView::SwitchControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : GenericControlView ("Switch " + juce::String ((int) index + 1)), engine (std::move (engineToUse)),
      switchIndex (index)
{
    buildControls();
    showControlGroup (0);
}

SwitchControlView::~SwitchControlView() = default;

void SwitchControlView::buildControls()
{
    modeSelector = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", switchIndex, switchType,
                                                                        juce::StringArray(), nullptr);
    setModeSelector (modeSelector.get());

    const auto addGroup = [this] (const juce::String& groupName, std::initializer_list<const char*> names)
    {
        juce::Array<juce::Component*> widgets;

        for (auto* name : names)
        {
            const bool channel = juce::String (name) == "MIDI Channel";
            widgets.add (controllers.add (new DoubleParamterControllerNumberBox (
                engine, name, switchIndex, switchType, channel ? 1 : 0, channel ? 16 : 127, channel ? 1 : 0)));
        }

        addControlGroup (groupName, widgets);
    };

    addGroup ("CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" });
    addGroup ("CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" });
    addGroup ("Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" });

    // The list had no entries when it was bound: now it can select the stored mode, and its
    // notification shows that mode's group.
    modeSelector->refreshWidget();
}
