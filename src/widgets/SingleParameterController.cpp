#include "widgets/SingleParameterController.h"

SingleParameterController::SingleParameterController (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                                      const juce::String& name, int type, int offset)
    : widget (widgetToDrive), engine (std::move (engineToUse)), parameterName (name), controlType (type),
      displayOffset (offset)
{
    if (engine != nullptr)
        engine->addListenerToControl (this, controlType);
}

SingleParameterController::~SingleParameterController()
{
    if (engine != nullptr)
        engine->removeListenerFromControl (this, controlType, 0);
}

Control* SingleParameterController::getControl() const
{
    return engine != nullptr ? engine->getControl (controlType, 0) : nullptr;
}

void SingleParameterController::refreshWidget()
{
    if (widget != nullptr)
        showStoredValue (getControl(), *widget, parameterName, displayOffset);
}

void SingleParameterController::parameterChanged (juce::String name, int value)
{
    if (widget != nullptr)
        showNotifiedValue (*widget, parameterName, displayOffset, name, value);
}

void SingleParameterController::widgetValueChanged (int shownValue)
{
    if (widget == nullptr || engine == nullptr)
        return;

    storeWidgetValue (getControl(), *widget, parameterName, displayOffset, shownValue,
                      [this] (std::uint8_t value) { engine->setControlParameter (controlType, parameterName, value, false); });
}
