#include "model/Control.h"

Control::Control (int numSlots, int offset) : dumpOffset (offset)
{
    values.insertMultiple (0, 0, numSlots);
}

Control::~Control() = default;

void Control::setParameterValue (const juce::String& name, std::uint8_t value, bool notify)
{
    if (getMinimum (name) <= value && value <= getMaximum (name))
    {
        const auto index = getParameterIndex (name);

        if (index >= 0)
        {
            if (index < values.size())
                values.set (index, value);
            else
                values.add (value);
        }
    }

    if (notify)
        listeners.call ([&] (Listener& l) { l.parameterChanged (name, value); });
}

std::uint8_t Control::getParameterValue (const juce::String& name) const
{
    const auto index = getParameterIndex (name);
    return juce::isPositiveAndBelow (index, values.size()) ? values.getUnchecked (index) : std::uint8_t {};
}

Control::ValueArray Control::getValues() const
{
    return values;
}

void Control::setValues (const ValueArray& source)
{
    for (int i = 0; i < source.size(); ++i)
    {
        if (i < values.size())
            values.set (i, source.getUnchecked (i));
        else
            values.add (source.getUnchecked (i));
    }

    for (const auto& name : parameterNames)
        setParameterValue (name, getParameterValue (name), true);
}

void Control::loadFromDump (const ValueArray& payload)
{
    ValueArray slice;

    for (int i = 0; i < values.size(); ++i)
    {
        const auto position = dumpOffset + i;
        slice.add (juce::isPositiveAndBelow (position, payload.size()) ? payload.getUnchecked (position)
                                                                       : std::uint8_t {});
    }

    setValues (slice);
}

std::uint8_t Control::getMinimum (const juce::String&) const
{
    return 0;
}

std::uint8_t Control::getMaximum (const juce::String& name) const
{
    if (! hasParameterName (name))
        return 0;

    return name == "MIDI Channel" ? 15 : 127;
}

void Control::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void Control::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

int Control::getNumListeners() const
{
    return listeners.size();
}
