#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/SwitchControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <memory>

// The switch section: the switches four at a time and the section's MIDI-to-DIN flag.
class SwitchBank : private BankView, public virtual juce::Component
{
public:
    SwitchBank (int numSwitches, OrbEditorEngine::Ptr engine);
    ~SwitchBank() override;

    SwitchControlView& getControlView (int index) const { return *static_cast<SwitchControlView*> (getItem (index)); }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchBank)
};
