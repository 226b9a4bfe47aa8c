#pragma once

#include "views/ModeControlView.h"

#include <cstdint>

// One assignable switch: "Mode" chooses between "CC Toggle", "CC Momentary" and "Program Change".
// Every widget edits switch instance switchIndex.
class SwitchControlView : public ModeControlView
{
public:
    SwitchControlView (OrbEditorEngine::Ptr engine, std::uint8_t switchIndex);
    ~SwitchControlView() override;

    std::uint8_t getSwitchIndex() const noexcept { return (std::uint8_t) instanceIndex; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchControlView)
};
