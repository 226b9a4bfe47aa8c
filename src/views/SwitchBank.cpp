#include "views/SwitchBank.h"

SwitchBank::SwitchBank (int numSwitches, OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;
    for (int i = 0; i < numSwitches; ++i)
        views.add (new SwitchControlView (engine, (std::uint8_t) i));

    addItems (views);
    setItemsPerBank (4);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Switches Midi To DIN");
    midiToDinButton->setTopLeftPosition (272, 0);
    addAndMakeVisible (midiToDinButton.get());

    setSize (1200, 200);
}

SwitchBank::~SwitchBank() = default;
