#include "views/PitchWheelView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

PitchWheelView::PitchWheelView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Pitch Wheel", 70, 20, 18.0f));
    addAndMakeVisible (title.get());

    // Captioned "MIDI Channel", bound to the wheel's own channel.
    channelSelector = std::make_unique<SingleParameterControllerComboBox> (engine, "MIDI Channel", wheelsType,
                                                                           PresetPresentation::getParameter (wheelsType, "Pitch Wheel MIDI Channel").entries, nullptr);
    channelSelector->parameterName = "Pitch Wheel MIDI Channel";
    channelSelector->refreshWidget();
    const int y = VerticalStack::placeBelowTitle (*this, *title, { channelSelector.get() }, 18);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Pitch Wheel Midi To DIN");
    addAndMakeVisible (midiToDinButton.get());
    midiToDinButton->setBounds (100, y, 100, 12);
}

PitchWheelView::~PitchWheelView() = default;
