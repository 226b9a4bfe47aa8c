#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/MidiToDinBank.h"
#include "views/TransportControlView.h"

// The transport section: the six transport buttons, four at a time, and the section's
// MIDI-to-DIN flag.
class TransportBank : public MidiToDinBank
{
public:
    explicit TransportBank (OrbEditorEngine::Ptr engine);
    ~TransportBank() override;

    static constexpr int numButtons = 6;

    TransportControlView& getControlView (int index) const
    {
        return *static_cast<TransportControlView*> (getItem (index));
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportBank)
};
