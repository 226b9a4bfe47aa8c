#include "model/TableControl.h"

TableControl::TableControl (ControlType type, int numSlots, int dumpOffset, ParameterTable::Limits limitsToUse)
    : Control (numSlots, dumpOffset), group (*ParameterTable::findGroup (type)), limits (limitsToUse)
{
    for (const auto& parameter : group.parameters)
    {
        jassert (parameter.slot < numSlots);
        addParameterName (parameter.name);
    }
}

std::uint8_t TableControl::getMaximum (const juce::String& name) const
{
    return group.getMaximum (name, limits);
}

int TableControl::getParameterIndex (const juce::String& name) const
{
    return group.getSlot (name);
}
