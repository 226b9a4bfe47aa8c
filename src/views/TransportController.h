#pragma once

#include "widgets/ParameterBinding.h"

// Binds a widget to a parameter of one of the six transport buttons (type 2, instance
// buttonIndex), with no display offset.
class TransportController : public ParameterBinding
{
public:
    TransportController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                         int buttonIndex);
    ~TransportController() override;

    int buttonIndex;

protected:
    void storeInGroup (std::uint8_t value) override;
};
