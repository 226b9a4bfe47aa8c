#include "widgets/NumberBoxWithLabel.h"

NumberBoxWithLabel::NumberBoxWithLabel (int minimum, int maximum, const juce::String& caption,
                                        NumberBox::Listener* listener)
{
    label.reset (createLabel (caption));

    numberBox = std::make_unique<NumberBox>();
    numberBox->setColour (juce::Label::backgroundColourId, juce::Colours::white);
    numberBox->setColour (juce::Label::textColourId, juce::Colour (accentBlue));
    numberBox->setColour (juce::Label::backgroundWhenEditingColourId, juce::Colour (accentBlue));
    numberBox->setColour (juce::Label::textWhenEditingColourId, juce::Colour (accentBlue));

    numberBox->setMinimum (minimum);
    numberBox->setMaximum (maximum);
    numberBox->setValue (minimum, true);

    numberBox->setEditable (true, false, false);
    numberBox->setBounds (100, 0, 100, 18);
    numberBox->setName (caption);

    addAndMakeVisible (numberBox.get());
    addAndMakeVisible (label.get());
    numberBox->addListener (listener);
}

NumberBoxWithLabel::~NumberBoxWithLabel() = default;

void NumberBoxWithLabel::setValue (int shownValue)
{
    numberBox->setValue (shownValue, true);
}
