#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/SustainControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <memory>

// The sustain section: the sustain pedal panel in a bank of one, and its MIDI-to-DIN flag.
class SustainBank : private BankView, public virtual juce::Component
{
public:
    explicit SustainBank (OrbEditorEngine::Ptr engine);
    ~SustainBank() override;

    SustainControlView& getControlView() const { return *static_cast<SustainControlView*> (getItem (0)); }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SustainBank)
};
