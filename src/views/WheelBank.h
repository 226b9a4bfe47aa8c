#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/BankView.h"
#include "views/ModWheelView.h"
#include "views/PitchWheelView.h"

// The wheels section: the modulation wheel (left) and the pitch wheel side by side. Each wheel
// view carries its own MIDI-to-DIN flag.
class WheelBank : private BankView, public virtual juce::Component
{
public:
    explicit WheelBank (OrbEditorEngine::Ptr engine);
    ~WheelBank() override;

    ModWheelView& getModWheelView() const { return *static_cast<ModWheelView*> (getItem (0)); }
    PitchWheelView& getPitchWheelView() const { return *static_cast<PitchWheelView*> (getItem (1)); }
    BankView& getBankView() { return *this; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WheelBank)
};
