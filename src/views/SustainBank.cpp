#include "views/SustainBank.h"

SustainBank::SustainBank (OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    addItems ({ new SustainControlView (engine) });
    setItemsPerBank (1);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Sustain Midi To DIN");
    midiToDinButton->setTopLeftPosition (1065, 0);
    addAndMakeVisible (midiToDinButton.get());

    setSize (1200, 200);
}

SustainBank::~SustainBank() = default;
