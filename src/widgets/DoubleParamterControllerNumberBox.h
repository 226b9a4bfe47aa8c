#pragma once

#include "model/ControlType.h"
#include "widgets/BoundNumberBox.h"
#include "widgets/DoubleParameterController.h"

// A captioned number box bound to a parameter of one instance of a group type.
class DoubleParamterControllerNumberBox : public BoundNumberBox<DoubleParameterController>
{
public:
    DoubleParamterControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       std::uint8_t instanceIndex, ControlType controlType, int minimum, int maximum,
                                       int displayOffset)
        : BoundNumberBox (minimum, maximum, std::move (engine), parameterName, instanceIndex, controlType,
                          displayOffset)
    {}
};
