#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/PadControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <memory>

// The drum pad section: the pads four at a time and the one MIDI-to-DIN flag of all pads.
class PadBank : private BankView, public virtual juce::Component
{
public:
    PadBank (int numPads, OrbEditorEngine::Ptr engine);
    ~PadBank() override;

    PadControlView& getControlView (int index) const { return *static_cast<PadControlView*> (getItem (index)); }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadBank)
};
