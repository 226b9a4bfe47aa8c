#include "views/PadBank.h"

PadBank::PadBank (int numPads, OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;
    for (int i = 0; i < numPads; ++i)
        views.add (new PadControlView (engine, (std::uint32_t) i));

    addItems (views);
    setItemsPerBank (4);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Pads Midi To DIN");
    midiToDinButton->setTopLeftPosition (405, 0);
    addAndMakeVisible (midiToDinButton.get());

    setSize (1200, 200);
}

PadBank::~PadBank() = default;
