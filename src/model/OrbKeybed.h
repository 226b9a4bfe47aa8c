#pragma once

#include "model/Control.h"

// The keybed: its whole-keybed settings (slots 0-3), the split (4, 5) and the settings of its
// lower (6-9) and upper (10-13) zones when split.
class OrbKeybed : public Control
{
public:
    static constexpr int numSlots = 14;

    OrbKeybed (int dumpOffset, std::uint8_t splitPointMaximum, std::uint8_t octaveMaximum);

    // Chosen by the name's words, first match wins; the name need not be one of the keybed's.
    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;

private:
    std::uint8_t splitPointMaximum;
    std::uint8_t octaveMaximum;
};
