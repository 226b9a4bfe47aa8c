#include "widgets/ControlToMidiTextButton.h"

#include "model/PresetPresentation.h"

ControlToMidiTextButton::ControlToMidiTextButton (const juce::String& name, juce::Button::Listener* listener)
{
    setSize (100, 12);

    label.reset (createLabel ("MIDI to DIN"));
    label->setFont (label->getFont().withHeight (12.0f));

    button = std::make_unique<juce::TextButton>();
    button->setLookAndFeel (&buttonLook);
    ControlToMidiTextButton::setValue (0);

    label->setBounds (0, 0, 60, 12);
    button->setBounds (62, 0, 20, 12);
    addAndMakeVisible (label.get());
    addAndMakeVisible (button.get());

    button->addListener (this);
    button->setName (name);

    if (listener != nullptr)
        button->addListener (listener);
}

ControlToMidiTextButton::~ControlToMidiTextButton()
{
    button->setLookAndFeel (nullptr);
}

void ControlToMidiTextButton::setValue (int shownValue)
{
    button->setButtonText (PresetPresentation::getFlagTexts()[shownValue != 0 ? 1 : 0]);
    button->setToggleState (shownValue != 0, juce::dontSendNotification);
}

void ControlToMidiTextButton::buttonClicked (juce::Button* clicked)
{
    if (clicked == button.get())
        setValue (button->getToggleState() ? 0 : 1);
}
