#include "views/KeybedParameterView.h"

#include "model/ControlType.h"
#include "views/ViewTitle.h"

KeybedParameterView::KeybedParameterView (OrbEditorEngine::Ptr engineToUse, const juce::String& panelName)
    : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create (panelName, 60, 20, 20.0f));
    addAndMakeVisible (title.get());

    // Every zone shares the octave range of the whole keybed.
    const int octaveMaximum = engine != nullptr ? engine->getParameterMaximum (keybedType, "Keybed Octave") : 7;

    struct Setting
    {
        const char* name;
        int minimum, maximum, offset;
    };

    const Setting settings[] = { { "MIDI Channel", 1, 16, 1 },
                                 { "Transpose", -12, 12, -12 },
                                 { "Octave", 0, octaveMaximum, 0 },
                                 { "Curve", 1, 8, 1 } };

    for (const auto& setting : settings)
        controllers.add (new SingleParameterControllerNumberBox (engine, setting.name, keybedType, setting.minimum,
                                                                 setting.maximum, setting.offset));

    // The captions keep the short names; the bindings become the zone's own parameters.
    for (auto* controller : controllers)
    {
        controller->parameterName = panelName + " " + controller->parameterName;
        controller->refreshWidget();
    }

    int y = title->getHeight() + 10;

    for (auto* controller : controllers)
    {
        controller->setBounds (0, y, 200, 22);
        addAndMakeVisible (controller);
        y += controller->getHeight() + 5;
    }

    dinButton = std::make_unique<ControlToMidiControllerButton> (engine, panelName + " Midi To DIN");
    addAndMakeVisible (dinButton.get());
    dinButton->setBounds (100, y, 100, 12);
}

KeybedParameterView::~KeybedParameterView() = default;
