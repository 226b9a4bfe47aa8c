#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "widgets/ControlToMidiControllerButton.h"

#include <functional>
#include <memory>

// A section of like control views shown a bank at a time, with the section's MIDI-to-DIN flag
// button in the strip above the bank. The knob, pad, switch, transport and sustain sections are
// built this way; they differ in their views, the views per bank, the flag and where it stands.
class MidiToDinBank : protected BankView, public virtual juce::Component
{
public:
    ~MidiToDinBank() override;

    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }
    BankView& getBankView() { return *this; }

protected:
    // Creates the views 0 to numViews - 1 (owned by the bank), viewsPerBank at a time, the flag
    // button bound to flagName at (flagX, 0), and sizes the section 1200 by 200.
    MidiToDinBank (OrbEditorEngine::Ptr engine, int numViews, const std::function<juce::Component*(int)>& createView,
                   int viewsPerBank, const juce::String& flagName, int flagX);

    using BankView::getItem;

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiToDinBank)
};
