#include "views/MidiToDinBank.h"

MidiToDinBank::MidiToDinBank (OrbEditorEngine::Ptr engine, int numViews,
                              const std::function<juce::Component*(int)>& createView, int viewsPerBank,
                              const juce::String& flagName, int flagX)
    : BankView ({}, true)
{
    juce::Array<juce::Component*> views;
    for (int i = 0; i < numViews; ++i)
        views.add (createView (i));

    addItems (views);
    setItemsPerBank (viewsPerBank);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (std::move (engine), flagName);
    midiToDinButton->setTopLeftPosition (flagX, 0);
    addAndMakeVisible (midiToDinButton.get());

    setSize (1200, 200);
}

MidiToDinBank::~MidiToDinBank() = default;
