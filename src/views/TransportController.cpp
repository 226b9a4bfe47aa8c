#include "views/TransportController.h"

#include "model/ControlType.h"

TransportController::TransportController (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                          const juce::String& name, int index)
    : widget (widgetToDrive), engine (std::move (engineToUse)), parameterName (name), buttonIndex (index)
{
    if (engine != nullptr)
        engine->addListenerToTransport (this, transportType, buttonIndex);
}

TransportController::~TransportController()
{
    if (engine != nullptr)
        engine->removeListenerFromControl (this, transportType, buttonIndex);
}

Control* TransportController::getControl() const
{
    return engine != nullptr ? engine->getControl (transportType, buttonIndex) : nullptr;
}

void TransportController::refreshWidget()
{
    if (widget != nullptr)
        showStoredValue (getControl(), *widget, parameterName, 0);
}

void TransportController::parameterChanged (juce::String name, int value)
{
    if (widget != nullptr)
        showNotifiedValue (*widget, parameterName, 0, name, value);
}

void TransportController::widgetValueChanged (int shownValue)
{
    if (widget == nullptr || engine == nullptr)
        return;

    storeWidgetValue (getControl(), *widget, parameterName, 0, shownValue,
                      [this] (std::uint8_t value)
                      { engine->setTransportParameter (transportType, buttonIndex, parameterName, value, false); });
}
