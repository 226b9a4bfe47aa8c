#pragma once

#include "model/ControlType.h"
#include "widgets/BoundComboBox.h"
#include "widgets/DoubleParameterController.h"

// A captioned list bound to a parameter of one instance of a group type.
class DoubleParameterControllerComboBox : public BoundComboBox<DoubleParameterController>
{
public:
    DoubleParameterControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       std::uint8_t instanceIndex, ControlType controlType,
                                       const juce::StringArray& entries, juce::ComboBox::Listener* extraListener)
        : BoundComboBox (entries, extraListener, std::move (engine), parameterName, instanceIndex, controlType, 0)
    {}
};
