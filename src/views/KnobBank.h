#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/KnobControlView.h"
#include "views/MidiToDinBank.h"

// The knob section: the knobs four at a time and the section's MIDI-to-DIN flag.
class KnobBank : public MidiToDinBank
{
public:
    KnobBank (int numKnobs, OrbEditorEngine::Ptr engine);
    ~KnobBank() override;

    KnobControlView& getControlView (int index) const { return *static_cast<KnobControlView*> (getItem (index)); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobBank)
};
