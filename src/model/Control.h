#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

// One control group of a preset: a fixed array of 7-bit value slots, each reached through one or
// more parameter names, with the listeners that show those values. A group is one hardware
// section instance (the keybed, one knob, one pad ...) and owns its share of the preset dump.
class Control
{
public:
    using ValueArray = juce::Array<std::uint8_t>;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void parameterChanged (juce::String name, int value) = 0;
    };

    Control (int numSlots, int dumpOffset);
    virtual ~Control();

    // Stores the value if it lies within the name's range; notifies every listener when asked to,
    // whether or not anything was stored.
    virtual void setParameterValue (const juce::String& name, std::uint8_t value, bool notify);
    virtual std::uint8_t getParameterValue (const juce::String& name) const;
    virtual ValueArray getValues() const;
    // Raw store of every slot (no range test), then one notification per parameter name.
    virtual void setValues (const ValueArray& source);
    // Takes this group's bytes at its dump offset; bytes past the payload's end read as 0.
    virtual void loadFromDump (const ValueArray& payload);
    virtual std::uint8_t getMinimum (const juce::String& name) const;
    virtual std::uint8_t getMaximum (const juce::String& name) const;
    virtual int getParameterIndex (const juce::String& name) const = 0;

    void addListener (Listener* listener);
    // Listeners may die before their group (a transfer dialog can keep an engine alive after its
    // window closed), so they must be able to leave.
    void removeListener (Listener* listener);
    int getNumListeners() const;

    int getNumSlots() const { return values.size(); }
    int getDumpOffset() const { return dumpOffset; }
    const juce::StringArray& getParameterNames() const { return parameterNames; }

protected:
    void addParameterName (const juce::String& name) { parameterNames.add (name); }
    bool hasParameterName (const juce::String& name) const { return parameterNames.contains (name); }

private:
    ValueArray values;
    juce::StringArray parameterNames;
    juce::ListenerList<Listener> listeners;
    int dumpOffset;

    JUCE_DECLARE_NON_COPYABLE (Control)
};
