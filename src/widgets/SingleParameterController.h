#pragma once

#include "model/ControlType.h"
#include "widgets/ParameterBinding.h"

// Binds a widget to a parameter of the first (only) group of a type.
class SingleParameterController : public ParameterBinding
{
public:
    SingleParameterController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine,
                               const juce::String& parameterName, ControlType controlType, int displayOffset);
    ~SingleParameterController() override;

protected:
    void storeInGroup (std::uint8_t value) override;
};
