#include "views/TransportController.h"

#include "model/ControlType.h"

TransportController::TransportController (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                          const juce::String& name, int index)
    : ParameterBinding (widgetToDrive, std::move (engineToUse), name, ControlType::transport, index, 0),
      buttonIndex (index)
{}

TransportController::~TransportController() = default;

void TransportController::storeInGroup (std::uint8_t value)
{
    engine->setTransportParameter (ControlType::transport, buttonIndex, parameterName, value, false);
}
