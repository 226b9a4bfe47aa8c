#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/MidiToDinBank.h"
#include "views/PadControlView.h"

// The drum pad section: the pads four at a time and the one MIDI-to-DIN flag of all pads.
class PadBank : public MidiToDinBank
{
public:
    PadBank (int numPads, OrbEditorEngine::Ptr engine);
    ~PadBank() override;

    PadControlView& getControlView (int index) const { return *static_cast<PadControlView*> (getItem (index)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadBank)
};
