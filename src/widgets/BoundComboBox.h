#pragma once

#include "widgets/ComboBoxWithLabel.h"

#include <utility>

// A captioned list driven by a parameter controller (Controller: SingleParameterController,
// DoubleParameterController, TransportController): entry i stands for the stored value i. The
// caption is the parameter name; an extra listener may follow the list.
template <typename Controller>
class BoundComboBox : public ComboBoxWithLabel, public Controller, public juce::ComboBox::Listener
{
public:
    // The controller is built from the engine, the parameter name and then `address` (the
    // controller's own arguments after the name).
    template <typename... Address>
    BoundComboBox (const juce::StringArray& entries, juce::ComboBox::Listener* extraListener,
                   OrbEditorEngine::Ptr engine, const juce::String& parameterName, Address&&... address)
        : ComboBoxWithLabel (entries, parameterName, extraListener),
          Controller (this, std::move (engine), parameterName, std::forward<Address> (address)...)
    {
        comboBox->addListener (this);
        this->refreshWidget();
    }

    ~BoundComboBox() override { comboBox->removeListener (this); }

    void setValue (int shownValue) override { ComboBoxWithLabel::setValue (shownValue); }

    void comboBoxChanged (juce::ComboBox* box) override
    {
        // A value with no entry leaves nothing selected; there is nothing to store then.
        if (box == comboBox.get() && box->getSelectedId() != 0)
            this->widgetValueChanged (box->getSelectedId() - 1);
    }
};
