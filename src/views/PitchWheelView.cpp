#include "views/PitchWheelView.h"

#include "views/VerticalStack.h"
#include "views/ViewTitle.h"
#include "views/WheelChannelSelector.h"

PitchWheelView::PitchWheelView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Pitch Wheel", 70, 20, 18.0f));
    addAndMakeVisible (title.get());

    channelSelector = WheelChannelSelector::create (engine, "Pitch Wheel");
    const int y = VerticalStack::placeBelowTitle (*this, *title, { channelSelector.get() }, 18);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Pitch Wheel Midi To DIN");
    addAndMakeVisible (midiToDinButton.get());
    midiToDinButton->setBounds (100, y, 100, 12);
}

PitchWheelView::~PitchWheelView() = default;
