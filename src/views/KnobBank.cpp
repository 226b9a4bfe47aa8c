#include "views/KnobBank.h"

KnobBank::KnobBank (int numKnobs, OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;
    for (int i = 0; i < numKnobs; ++i)
        views.add (new KnobControlView (engine, (std::uint8_t) i));

    addItems (views);
    setItemsPerBank (4);
    setSize (1200, 200);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Knobs Midi To DIN");
    midiToDinButton->setTopLeftPosition (140, 0);
    addAndMakeVisible (midiToDinButton.get());
}

KnobBank::~KnobBank() = default;
