#pragma once

#include "views/TransportController.h"
#include "widgets/BoundNumberBox.h"

// A captioned number box bound to a parameter of one transport button.
class TransportControllerNumberBox : public BoundNumberBox<TransportController>
{
public:
    TransportControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName, int buttonIndex,
                                  int minimum, int maximum)
        : BoundNumberBox (minimum, maximum, std::move (engine), parameterName, buttonIndex)
    {}
};
