#include "widgets/MidiToDinButtonLook.h"

#include "widgets/CustomLook.h"

void MidiToDinButtonLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&, bool, bool)
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
    g.setFont (12.0f);
    g.drawFittedText (button.getButtonText(), button.getLocalBounds(), juce::Justification::left, 1);
}
