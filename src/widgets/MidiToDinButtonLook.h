#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The small ON/OFF button of a MIDI-to-DIN widget: "ON" is a white filled box with blue text,
// "OFF" a white frame with white text. The button's colours and the mouse play no part.
class MidiToDinButtonLook : public juce::LookAndFeel_V3
{
public:
    static constexpr float textHeight = 10.0f;
    static constexpr int textMargin = 2;

    MidiToDinButtonLook() = default;

    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    void drawButtonText (juce::Graphics& g, juce::TextButton& button, bool shouldDrawButtonAsHighlighted,
                         bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiToDinButtonLook)
};
