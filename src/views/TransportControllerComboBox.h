#pragma once

#include "views/TransportController.h"
#include "widgets/BoundComboBox.h"

// A captioned list bound to a parameter of one transport button.
class TransportControllerComboBox : public BoundComboBox<TransportController>
{
public:
    TransportControllerComboBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName, int buttonIndex,
                                 const juce::StringArray& entries)
        : BoundComboBox (entries, nullptr, std::move (engine), parameterName, buttonIndex)
    {}
};
