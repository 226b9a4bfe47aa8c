#pragma once

#include "model/Control.h"

// The preset's 16-character name as the hardware stores it, one character code per slot
// ("Preset Name 1" to "Preset Name 16"). No view edits it: it travels unchanged through gets,
// sends and files.
class OrbPresetName : public Control
{
public:
    static constexpr int numSlots = 16;

    OrbPresetName();

    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;
};
