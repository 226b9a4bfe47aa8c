#include "app/PresetSlotComponent.h"

PresetSlotComponent::PresetSlotComponent (const juce::String& actionName, juce::Button::Listener* listener)
{
    juce::StringArray slots;

    for (int slot = 1; slot <= numSlots; ++slot)
        slots.add (juce::String (slot));

    slotSelector = std::make_unique<ComboBoxWithLabel> (slots, "Preset Slot:", this);
    addAndMakeVisible (slotSelector.get());
    setSize (300, 100);
    slotSelector->setBounds (50, 25, getWidth(), 20);

    actionButton = std::make_unique<juce::TextButton> (actionName);
    actionButton->setButtonText (actionName);
    cancelButton = std::make_unique<juce::TextButton> ("Cancel");
    cancelButton->setButtonText ("Cancel");

    actionButton->setBounds (50, slotSelector->getBottom() + 20, 75, 25);
    cancelButton->setBounds (actionButton->getRight() + 50, actionButton->getY(), actionButton->getWidth(),
                             actionButton->getHeight());

    if (listener != nullptr)
    {
        actionButton->addListener (listener);
        cancelButton->addListener (listener);
    }

    addAndMakeVisible (actionButton.get());
    addAndMakeVisible (cancelButton.get());

    progressBar.setBounds (20, slotSelector->getY(), getWidth() - 40, slotSelector->getHeight());
    progressBar.setPercentageDisplay (false);
    addChildComponent (progressBar);

    failureLabel.setBounds (10, 0, getWidth() - 20, slotSelector->getY());
    failureLabel.setJustificationType (juce::Justification::centred);
    failureLabel.setFont (juce::Font (12.0f));
    failureLabel.setMinimumHorizontalScale (0.7f);
    failureLabel.setColour (juce::Label::textColourId, juce::Colours::white);
    addChildComponent (failureLabel);

    setLookAndFeel (&look);
}

PresetSlotComponent::~PresetSlotComponent()
{
    setLookAndFeel (nullptr);
}

void PresetSlotComponent::comboBoxChanged (juce::ComboBox* comboBox)
{
    if (comboBox != nullptr && comboBox->getSelectedId() > 0)
        selectedSlot = (std::uint8_t) comboBox->getSelectedId();
}

void PresetSlotComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF117FC6));
}

void PresetSlotComponent::showTransfer (const TransferStatus& status)
{
    const bool running = status.isRunning();
    const bool failed = status.phase == TransferStatus::Phase::failed || status.leftIncomplete;

    progress = status.getFraction();
    progressBar.setTextToDisplay (status.describe());
    progressBar.setVisible (running);
    slotSelector->setVisible (! running);
    actionButton->setEnabled (! running);

    failureLabel.setText (failed ? status.describe() : juce::String(), juce::dontSendNotification);
    failureLabel.setTooltip (failureLabel.getText());
    failureLabel.setVisible (failed);
}
