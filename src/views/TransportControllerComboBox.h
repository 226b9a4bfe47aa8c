#pragma once

#include "views/TransportController.h"
#include "widgets/ComboBoxWithLabel.h"

// A captioned list bound to a parameter of one transport button: entry i stands for the stored
// value i. The caption is the parameter name.
class TransportControllerComboBox : public ComboBoxWithLabel,
                                    public TransportController,
                                    public juce::ComboBox::Listener
{
public:
    TransportControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName, int buttonIndex,
                                 const juce::StringArray& entries);
    ~TransportControllerComboBox() override;

    void setValue (int shownValue) override { ComboBoxWithLabel::setValue (shownValue); }
    void comboBoxChanged (juce::ComboBox* box) override;
};
