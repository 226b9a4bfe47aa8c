#include "views/KeybedParameterView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

KeybedParameterView::KeybedParameterView (OrbEditorEngine::Ptr engineToUse, const juce::String& panelName)
    : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create (panelName, 60, 20, 20.0f));
    addAndMakeVisible (title.get());

    // Captioned with the short names, bound to the zone's own parameters (made below).
    const auto* group = engine != nullptr ? engine->getControl (ControlType::keybed) : nullptr;

    for (const juce::String name : { "MIDI Channel", "Transpose", "Octave", "Curve" })
    {
        const auto& shown = PresetPresentation::getParameter (ControlType::keybed, panelName + " " + name);
        controllers.add (new SingleParameterControllerNumberBox (engine, name, ControlType::keybed,
                                                                 shown.getShownMinimum (group),
                                                                 shown.getShownMaximum (group), shown.offset));
    }

    // The captions keep the short names; the bindings become the zone's own parameters.
    for (auto* controller : controllers)
        controller->rebind (panelName + " " + controller->parameterName);

    const int y = VerticalStack::placeBelowTitle (*this, *title, { controllers.begin(), controllers.size() }, 22);

    dinButton = std::make_unique<ControlToMidiControllerButton> (engine, panelName + " Midi To DIN");
    addAndMakeVisible (dinButton.get());
    dinButton->setBounds (100, y, 100, 12);
}

KeybedParameterView::~KeybedParameterView() = default;
