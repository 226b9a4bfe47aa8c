#pragma once

#include "widgets/ComboBoxWithLabel.h"
#include "widgets/SingleParameterController.h"

// A captioned list bound to a parameter of the first group of a type: entry i stands for the
// stored value i. The caption is the parameter name; an extra listener may follow the list.
class SingleParameterControllerComboBox : public ComboBoxWithLabel,
                                          public SingleParameterController,
                                          public juce::ComboBox::Listener
{
public:
    SingleParameterControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       int controlType, const juce::StringArray& entries,
                                       juce::ComboBox::Listener* extraListener);
    ~SingleParameterControllerComboBox() override;

    void setValue (int shownValue) override { ComboBoxWithLabel::setValue (shownValue); }
    void comboBoxChanged (juce::ComboBox* box) override;
};
