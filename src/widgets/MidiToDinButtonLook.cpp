#include "widgets/MidiToDinButtonLook.h"

#include "widgets/CustomLook.h"

void MidiToDinButtonLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&, bool,
                                                bool)
{
    g.setColour (juce::Colours::white);

    if (button.getToggleState())
        g.fillRoundedRectangle (button.getLocalBounds().toFloat(), 2.0f);
    else
        g.drawRect (button.getLocalBounds(), 1);
}

void MidiToDinButtonLook::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    g.setColour (button.getToggleState() ? juce::Colour (CustomLook::accentBlue) : juce::Colours::white);
    // The button is only 20 pixels wide: a slightly smaller font, narrowed a little, and a margin
    // inside the frame keep "OFF" whole and clear of the frame.
    g.setFont (textHeight);
    g.drawFittedText (button.getButtonText(), button.getLocalBounds().reduced (textMargin, 0),
                      juce::Justification::left, 1, 0.8f);
}
