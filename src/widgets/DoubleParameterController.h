#pragma once

#include "model/ControlType.h"
#include "widgets/ParameterBinding.h"

// Binds a widget to a parameter of one instance of a group type (one knob of eight, one pad of
// sixteen).
class DoubleParameterController : public ParameterBinding
{
public:
    DoubleParameterController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine,
                               const juce::String& parameterName, std::uint8_t instanceIndex, ControlType controlType,
                               int displayOffset);
    ~DoubleParameterController() override;

    std::uint8_t instanceIndex;

protected:
    void storeInGroup (std::uint8_t value) override;
};
