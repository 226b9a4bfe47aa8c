#include "widgets/ParameterBinding.h"

ParameterBinding::ParameterBinding (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                    const juce::String& name, int type, int instance, int offset)
    : widget (widgetToDrive), engine (std::move (engineToUse)), parameterName (name), controlType (type),
      displayOffset (offset), group (engine != nullptr ? engine->getControl (type, instance) : nullptr)
{
    if (group != nullptr)
        group->addListener (this);
}

ParameterBinding::~ParameterBinding()
{
    if (group != nullptr)
        group->removeListener (this);
}

void ParameterBinding::refreshWidget()
{
    if (widget != nullptr)
        showStoredValue (group, *widget, parameterName, displayOffset);
}

void ParameterBinding::parameterChanged (juce::String name, int value)
{
    if (widget != nullptr)
        showNotifiedValue (*widget, parameterName, displayOffset, name, value);
}

void ParameterBinding::widgetValueChanged (int shownValue)
{
    if (widget == nullptr || engine == nullptr)
        return;

    storeWidgetValue (group, *widget, parameterName, displayOffset, shownValue,
                      [this] (std::uint8_t value) { storeInGroup (value); });
}
