#include "views/TransportBank.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

TransportBank::TransportBank (OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    const auto* section = PresetPresentation::findSection (transportType);

    juce::Array<juce::Component*> views;
    for (int i = 0; i < numButtons; ++i)
        views.add (new TransportControlView (engine, i, section->getInstanceTitle (i)));

    addItems (views);
    setItemsPerBank (4);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Transport Midi To DIN");
    midiToDinButton->setTopLeftPosition (670, 0);
    addAndMakeVisible (midiToDinButton.get());

    setSize (1200, 200);
}

TransportBank::~TransportBank() = default;
