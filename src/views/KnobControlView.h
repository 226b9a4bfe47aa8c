#pragma once

#include "views/ModeControlView.h"

#include <cstdint>

// One knob: "Mode" chooses between "CC" (channel, CC, min, max) and "Aftertouch" (channel, min,
// max). Every widget edits knob instance knobIndex.
class KnobControlView : public ModeControlView
{
public:
    KnobControlView (OrbEditorEngine::Ptr engine, std::uint8_t knobIndex);
    ~KnobControlView() override;

    std::uint8_t getKnobIndex() const noexcept { return (std::uint8_t) instanceIndex; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobControlView)
};
