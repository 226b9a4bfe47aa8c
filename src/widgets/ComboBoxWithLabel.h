#pragma once

#include "widgets/UIParameterInterface.h"

#include <memory>

// A caption on the left and a drop-down list on the right (100..200, 18 high). Entry i of the
// list has identifier i + 1 and stands for the value i.
class ComboBoxWithLabel : public UIParameterInterface
{
public:
    ComboBoxWithLabel (const juce::StringArray& entries, const juce::String& caption,
                       juce::ComboBox::Listener* listener);
    ~ComboBoxWithLabel() override;

    // Selects the entry for the value (nothing is selected when there is none), with an
    // asynchronous change notification.
    void setValue (int shownValue) override;

    juce::ComboBox& getComboBox() { return *comboBox; }
    juce::Label& getLabel() { return *label; }

protected:
    std::unique_ptr<juce::ComboBox> comboBox;
    std::unique_ptr<juce::Label> label;
};
