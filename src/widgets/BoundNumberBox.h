#pragma once

#include "widgets/NumberBoxWithLabel.h"

#include <utility>

// A captioned number box driven by a parameter controller (Controller: SingleParameterController,
// DoubleParameterController, TransportController). The caption is the parameter name.
template <typename Controller>
class BoundNumberBox : public NumberBoxWithLabel, public Controller, public NumberBox::Listener
{
public:
    // The box shows minimum to maximum; the controller is built from the engine, the parameter
    // name and then `address` (the controller's own arguments after the name).
    template <typename... Address>
    BoundNumberBox (int minimum, int maximum, OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                    Address&&... address)
        : NumberBoxWithLabel (minimum, maximum, parameterName, nullptr),
          Controller (this, std::move (engine), parameterName, std::forward<Address> (address)...)
    {
        numberBox->addListener (this);
        this->refreshWidget();
    }

    ~BoundNumberBox() override { numberBox->removeListener (this); }

    void setValue (int shownValue) override { NumberBoxWithLabel::setValue (shownValue); }

    void numberBoxChanged (NumberBox* box) override
    {
        if (box == numberBox.get())
            this->widgetValueChanged ((int) box->getValue());
    }
};
