#include "widgets/ParameterBinding.h"

const ParameterBinding* ParameterBinding::announcingEditor = nullptr;

ParameterBinding::ParameterBinding (UIParameterInterface* widgetToDrive, OrbEditorEngine::Ptr engineToUse,
                                    const juce::String& name, ControlType type, int instance, int offset)
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

    if (announcingEditor == this)
        announcingEditor = nullptr;
}

void ParameterBinding::refreshWidget()
{
    if (widget != nullptr && group != nullptr)
        widget->setValue ((int) group->getParameterValue (parameterName) + displayOffset);
}

void ParameterBinding::rebind (const juce::String& name)
{
    parameterName = name;
    refreshWidget();
}

void ParameterBinding::parameterChanged (juce::String name, int value)
{
    if (widget == nullptr || name != parameterName || announcingEditor == this)
        return;

    widget->setValue (value + displayOffset);
}

void ParameterBinding::widgetValueChanged (int shownValue)
{
    // A widget following an announced edit reports the value it was just given: already stored.
    if (widget == nullptr || engine == nullptr || announcingEditor != nullptr)
        return;

    const auto requested = toStoredValue (shownValue, displayOffset);

    if (group == nullptr)
    {
        storeInGroup (requested);
        return;
    }

    const auto before = group->getParameterValue (parameterName);
    storeInGroup (requested);
    const auto stored = group->getParameterValue (parameterName);

    if (stored != requested)
    {
        // Refused by the group: show what the preset holds instead. The widget may report the
        // value back, which stores the same byte and ends there.
        widget->setValue ((int) stored + displayOffset);
        return;
    }

    if (stored != before)
        announceToSlot (stored);
}

void ParameterBinding::announceToSlot (std::uint8_t stored)
{
    const auto slot = group->getParameterIndex (parameterName);

    if (slot < 0)
        return;

    announcingEditor = this;

    // Every name of the slot is re-announced with notification, as a preset load does; names whose
    // range refuses the byte store nothing and are still announced.
    const auto names = group->getParameterNames();

    for (const auto& name : names)
        if (group->getParameterIndex (name) == slot)
            group->setParameterValue (name, stored, true);

    announcingEditor = nullptr;
}
