#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/RollModeControlView.h"

// The roll-mode section: one roll-mode panel in a bank of one. The roll function has no
// MIDI-to-DIN flag of its own.
class RollModeBank : private BankView, public virtual juce::Component
{
public:
    explicit RollModeBank (OrbEditorEngine::Ptr engine);
    ~RollModeBank() override;

    RollModeControlView& getControlView() const { return *static_cast<RollModeControlView*> (getItem (0)); }
    BankView& getBankView() { return *this; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RollModeBank)
};
