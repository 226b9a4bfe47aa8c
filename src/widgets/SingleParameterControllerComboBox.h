#pragma once

#include "model/ControlType.h"
#include "widgets/BoundComboBox.h"
#include "widgets/SingleParameterController.h"

// A captioned list bound to a parameter of the first group of a type.
class SingleParameterControllerComboBox : public BoundComboBox<SingleParameterController>
{
public:
    SingleParameterControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       ControlType controlType, const juce::StringArray& entries,
                                       juce::ComboBox::Listener* extraListener)
        : BoundComboBox (entries, extraListener, std::move (engine), parameterName, controlType, 0)
    {}
};
