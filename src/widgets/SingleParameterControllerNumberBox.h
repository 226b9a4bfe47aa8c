#pragma once

#include "model/ControlType.h"
#include "widgets/BoundNumberBox.h"
#include "widgets/SingleParameterController.h"

// A captioned number box bound to a parameter of the first group of a type.
class SingleParameterControllerNumberBox : public BoundNumberBox<SingleParameterController>
{
public:
    SingleParameterControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                        ControlType controlType, int minimum, int maximum, int displayOffset)
        : BoundNumberBox (minimum, maximum, std::move (engine), parameterName, controlType, displayOffset)
    {}
};
