#pragma once

#include "model/Control.h"
#include "model/ParameterTable.h"

// The body every OrbMini group shares: its names, slots and maxima are its type's rows of the
// ParameterTable. The group classes are this body under their own names and slot counts.
class TableControl : public Control
{
public:
    std::uint8_t getMaximum (const juce::String& name) const override;
    int getParameterIndex (const juce::String& name) const override;

protected:
    TableControl (ControlType type, int numSlots, int dumpOffset, ParameterTable::Limits limits = {});

private:
    const ParameterTable::Group& group;
    ParameterTable::Limits limits;
};
