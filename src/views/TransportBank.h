#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/TransportControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <memory>

// The transport section: the six transport buttons, four at a time, and the section's
// MIDI-to-DIN flag.
class TransportBank : private BankView, public virtual juce::Component
{
public:
    explicit TransportBank (OrbEditorEngine::Ptr engine);
    ~TransportBank() override;

    static constexpr int numButtons = 6;

    TransportControlView& getControlView (int index) const { return *static_cast<TransportControlView*> (getItem (index)); }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportBank)
};
