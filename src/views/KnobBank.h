#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/KnobControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <memory>

// The knob section: the knobs four at a time and the section's MIDI-to-DIN flag.
class KnobBank : private BankView, public virtual juce::Component
{
public:
    KnobBank (int numKnobs, OrbEditorEngine::Ptr engine);
    ~KnobBank() override;

    KnobControlView& getControlView (int index) const { return *static_cast<KnobControlView*> (getItem (index)); }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobBank)
};
