#include "widgets/DoubleParameterController.h"

DoubleParameterController::DoubleParameterController (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                                      const juce::String& name, std::uint8_t index, int type, int offset)
    : widget (widgetToDrive), engine (std::move (engineToUse)), parameterName (name), instanceIndex (index),
      controlType (type), displayOffset (offset)
{
    if (engine != nullptr)
        engine->addListenerToControl (this, controlType, instanceIndex);
}

DoubleParameterController::~DoubleParameterController()
{
    if (engine != nullptr)
        engine->removeListenerFromControl (this, controlType, instanceIndex);
}

Control* DoubleParameterController::getControl() const
{
    return engine != nullptr ? engine->getControl (controlType, instanceIndex) : nullptr;
}

void DoubleParameterController::refreshWidget()
{
    if (widget != nullptr)
        showStoredValue (getControl(), *widget, parameterName, displayOffset);
}

void DoubleParameterController::parameterChanged (juce::String name, int value)
{
    if (widget != nullptr)
        showNotifiedValue (*widget, parameterName, displayOffset, name, value);
}

void DoubleParameterController::widgetValueChanged (int shownValue)
{
    if (widget == nullptr || engine == nullptr)
        return;

    storeWidgetValue (getControl(), *widget, parameterName, displayOffset, shownValue,
                      [this] (std::uint8_t value)
                      { engine->setControlParameter (controlType, instanceIndex, parameterName, value, false); });
}
