#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/MidiToDinBank.h"
#include "views/SustainControlView.h"

// The sustain section: the sustain pedal panel in a bank of one, and its MIDI-to-DIN flag.
class SustainBank : public MidiToDinBank
{
public:
    explicit SustainBank (OrbEditorEngine::Ptr engine);
    ~SustainBank() override;

    SustainControlView& getControlView() const { return *static_cast<SustainControlView*> (getItem (0)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SustainBank)
};
