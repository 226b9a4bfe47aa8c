#include "widgets/UIParameterInterface.h"

juce::Label* UIParameterInterface::createLabel (const juce::String& text)
{
    auto* label = new juce::Label (text, text);
    label->setFont (juce::Font (16.0f, juce::Font::plain));
    label->setJustificationType (juce::Justification::centredLeft);
    label->setColour (juce::Label::textColourId, juce::Colours::white);
    label->setBounds (0, 0, 100, 16);
    return label;
}
