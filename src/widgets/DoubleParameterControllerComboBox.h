#pragma once

#include "widgets/ComboBoxWithLabel.h"
#include "widgets/DoubleParameterController.h"

// A captioned list bound to a parameter of one instance of a group type: entry i stands for the
// stored value i. The caption is the parameter name; an extra listener may follow the list.
class DoubleParameterControllerComboBox : public ComboBoxWithLabel,
                                          public DoubleParameterController,
                                          public juce::ComboBox::Listener
{
public:
    DoubleParameterControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       std::uint8_t instanceIndex, int controlType, const juce::StringArray& entries,
                                       juce::ComboBox::Listener* extraListener);
    ~DoubleParameterControllerComboBox() override;

    void setValue (int shownValue) override { ComboBoxWithLabel::setValue (shownValue); }
    void comboBoxChanged (juce::ComboBox* box) override;
};
