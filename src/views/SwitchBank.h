#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/MidiToDinBank.h"
#include "views/SwitchControlView.h"

// The switch section: the switches four at a time and the section's MIDI-to-DIN flag.
class SwitchBank : public MidiToDinBank
{
public:
    SwitchBank (int numSwitches, OrbEditorEngine::Ptr engine);
    ~SwitchBank() override;

    SwitchControlView& getControlView (int index) const { return *static_cast<SwitchControlView*> (getItem (index)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchBank)
};
