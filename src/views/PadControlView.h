#pragma once

#include "views/ModeControlView.h"

#include <cstdint>

// One drum pad: "Mode" chooses between "Note", "CC Toggle", "CC Momentary" and "Program Change",
// each with the four parameters that mean something in that mode. Every widget edits pad
// instance padIndex.
class PadControlView : public ModeControlView
{
public:
    PadControlView (OrbEditorEngine::Ptr engine, std::uint32_t padIndex);
    ~PadControlView() override;

    std::uint32_t getPadIndex() const noexcept { return (std::uint32_t) instanceIndex; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadControlView)
};
