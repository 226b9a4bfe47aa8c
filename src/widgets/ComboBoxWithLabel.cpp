#include "widgets/ComboBoxWithLabel.h"

ComboBoxWithLabel::ComboBoxWithLabel (const juce::StringArray& entries, const juce::String& caption,
                                      juce::ComboBox::Listener* listener)
{
    label.reset (createLabel (caption));

    comboBox = std::make_unique<juce::ComboBox>();
    comboBox->setEditableText (false);
    comboBox->setJustificationType (juce::Justification::centredLeft);
    comboBox->setTextWhenNothingSelected ({});
    comboBox->setTextWhenNoChoicesAvailable ({});

    for (int i = 0; i < entries.size(); ++i)
        comboBox->addItem (entries[i], i + 1);

    comboBox->setName (caption);
    comboBox->setWantsKeyboardFocus (true);
    comboBox->setColour (juce::ComboBox::textColourId, juce::Colour (accentBlue));
    comboBox->setColour (juce::ComboBox::arrowColourId, juce::Colour (accentBlue));

    comboBox->setSelectedId (1, juce::sendNotificationAsync);

    comboBox->setBounds (100, 0, 100, 18);

    if (listener != nullptr)
        comboBox->addListener (listener);

    addAndMakeVisible (comboBox.get());
    addAndMakeVisible (label.get());
}

ComboBoxWithLabel::~ComboBoxWithLabel() = default;

void ComboBoxWithLabel::setValue (int shownValue)
{
    comboBox->setSelectedId (shownValue + 1, juce::sendNotificationAsync);
}
