#include "model/ParameterTable.h"

#include "model/OrbPresetName.h"

#include <algorithm>

namespace
{
using Parameter = ParameterTable::Parameter;
using Kind = ParameterTable::Kind;
using Bound = ParameterTable::Bound;
using Group = ParameterTable::Group;
using Mode = ParameterTable::Mode;

Parameter number (const juce::String& name, int slot, int offset = 0)
{
    Parameter p;
    p.name = name;
    p.slot = slot;
    p.offset = offset;
    return p;
}

// A MIDI channel as the device stores it (0 to 15), shown 1 to 16.
Parameter channel (const juce::String& name, int slot)
{
    auto p = number (name, slot, 1);
    p.maximum = 15;
    return p;
}

// A list whose last entry is the highest value stored.
Parameter list (const juce::String& name, int slot, const juce::StringArray& entries)
{
    auto p = number (name, slot);
    p.kind = Kind::list;
    p.entries = entries;
    p.maximum = (std::uint8_t) (entries.size() - 1);
    return p;
}

Parameter byWord (Parameter p)
{
    p.bound = Bound::byWord;
    return p;
}

Parameter listedAt (Parameter p, int place)
{
    p.listed = place;
    return p;
}

// The "Mode" list: entry k for the stored mode k.
Parameter modeList (const juce::Array<Mode>& modes)
{
    juce::StringArray names;
    for (const auto& mode : modes)
        names.add (mode.name);
    return list ("Mode", 0, names);
}

Group makeGroup (ControlType type, const juce::String& title, const juce::String& instancePrefix = {})
{
    Group group;
    group.type = type;
    group.title = title;
    group.instancePrefix = instancePrefix;
    return group;
}

Group presetName()
{
    auto group = makeGroup (ControlType::presetName, {});
    group.unknownNameMaximum = 127;

    for (int i = 0; i < OrbPresetName::numSlots; ++i)
        group.parameters.add (number ("Preset Name " + juce::String (i + 1), i));

    return group;
}

// The whole keybed's settings, the split, then the same settings for the lower and upper zones.
// The zone settings' maxima go by word, for any name: the first rule that matches wins.
Group keybed()
{
    auto group = makeGroup (ControlType::keybed, "Keybed");
    group.maximaByWord.add ({ "Transpose", Bound::fixed, 24 });
    group.maximaByWord.add ({ "Octave", Bound::highestOctave, 0 });
    group.maximaByWord.add ({ "Curve", Bound::fixed, 8 });
    group.maximaByWord.add ({ "MIDI Channel", Bound::fixed, 15 });
    int slot = 0;

    for (const juce::String zone : { "Keybed", "Lower Keybed", "Upper Keybed" })
    {
        group.parameters.add (byWord (number (zone + " Transpose", slot++, -12)));
        group.parameters.add (byWord (number (zone + " Octave", slot++)));
        group.parameters.add (byWord (number (zone + " MIDI Channel", slot++, 1)));
        // The group stores curves up to 8; the editor offers 1 to 8 (stored 0 to 7).
        auto curve = byWord (number (zone + " Curve", slot++, 1));
        curve.shownMaximum = 8;
        group.parameters.add (curve);

        if (zone == "Keybed")
        {
            group.parameters.add (list ("Split Mode", slot++, { "On", "Off" }));
            auto splitPoint = number ("Split Point", slot++, 1);
            splitPoint.bound = Bound::highestSplitPoint;
            group.parameters.add (splitPoint);
        }
    }

    return group;
}

Group rollMode()
{
    auto group = makeGroup (ControlType::rollMode, "Roll Mode");
    group.parameters.add (list ("Function", 0, { "Toggle", "Momentary" }));
    group.parameters.add (list ("Time Div", 1, { "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));
    auto gate = number ("Gate", 2, 1);
    gate.maximum = 98;
    group.parameters.add (gate);
    // The box goes to 75, one more than the group stores.
    auto swing = number ("Swing", 3, 50);
    swing.maximum = 24;
    swing.shownMaximum = 75;
    group.parameters.add (swing);
    return group;
}

Group transport()
{
    auto group = makeGroup (ControlType::transport, "Transport");
    group.instanceNames = { "Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record" };
    jassert (group.instanceNames.size() == OrbMiniModel::numTransports);
    group.maximaByWord.add ({ "Function", Bound::fixed, 1 });
    group.parameters.add (byWord (list ("Function", 0, { "Momentary", "Toggle" })));
    group.parameters.add (number ("CC", 1));
    return group;
}

Group wheels()
{
    // Channel 16 (stored) is "Omni".
    juce::StringArray channels;
    for (int shown = 1; shown <= 16; ++shown)
        channels.add (juce::String (shown));
    channels.add ("Omni");

    auto group = makeGroup (ControlType::wheels, "Wheels");
    group.maximaByWord.add ({ "Channel", Bound::fixed, 16 });
    group.parameters.add (byWord (list ("Pitch Wheel MIDI Channel", 0, channels)));
    group.parameters.add (byWord (list ("Mod Wheel MIDI Channel", 1, channels)));
    group.parameters.add (number ("Mod Wheel CC", 2));
    group.parameters.add (number ("Mod Wheel Min", 3));
    group.parameters.add (number ("Mod Wheel Max", 4));
    return group;
}

Group sustain()
{
    auto group = makeGroup (ControlType::sustain, "Sustain Pedal");
    group.parameters.add (listedAt (number ("CC", 0), 1));
    group.parameters.add (listedAt (number ("Pressed", 1), 2));
    group.parameters.add (listedAt (number ("Released", 2), 3));
    group.parameters.add (listedAt (channel ("MIDI Channel", 3), 0));
    return group;
}

Group knobs()
{
    auto group = makeGroup (ControlType::knobs, "Knobs", "Knob ");
    group.modes.add ({ "CC", { "MIDI Channel", "CC", "Min", "Max" } });
    group.modes.add ({ "Aftertouch", { "MIDI Channel", "Min", "Max" } });
    group.parameters.add (listedAt (modeList (group.modes), 0));
    group.parameters.add (listedAt (number ("CC", 1), 2));
    group.parameters.add (listedAt (number ("Min", 2), 3));
    group.parameters.add (listedAt (number ("Max", 3), 4));
    group.parameters.add (listedAt (channel ("MIDI Channel", 4), 1));
    return group;
}

// Pads and switches share the CC and program modes, and the names of slots 1 to 3 in them.
Mode ccToggle()
{
    return { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } };
}
Mode ccMomentary()
{
    return { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } };
}
Mode programChange()
{
    return { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } };
}

Group pads()
{
    auto group = makeGroup (ControlType::pads, "Drum Pads", "Pad ");
    group.modes.add ({ "Note", { "MIDI Channel", "Note", "Fixed", "Curve" } });
    group.modes.add (ccToggle());
    group.modes.add (ccMomentary());
    group.modes.add (programChange());
    group.parameters.add (listedAt (modeList (group.modes), 0));
    group.parameters.add (listedAt (number ("Note", 1), 2));
    group.parameters.add (listedAt (number ("CC", 1), 3));
    group.parameters.add (listedAt (number ("Program", 1), 4));
    group.parameters.add (listedAt (number ("Fixed", 2), 5));
    group.parameters.add (listedAt (number ("Toggle On", 2), 6));
    group.parameters.add (listedAt (number ("Pressed", 2), 7));
    group.parameters.add (listedAt (number ("Bank LSB", 2), 8));
    group.parameters.add (listedAt (number ("Toggle Off", 3), 10));
    group.parameters.add (listedAt (number ("Released", 3), 11));
    group.parameters.add (listedAt (number ("Bank MSB", 3), 12));
    // Shares slot 3 with values up to 127: a pad switched to "Note" may hold a curve above 7.
    auto curve = listedAt (number ("Curve", 3, 1), 9);
    curve.maximum = 7;
    group.parameters.add (curve);
    group.parameters.add (listedAt (channel ("MIDI Channel", 4), 1));
    return group;
}

Group switches()
{
    auto group = makeGroup (ControlType::switches, "Switches", "Switch ");
    group.modes.add (ccToggle());
    group.modes.add (ccMomentary());
    group.modes.add (programChange());
    // The group also stores a mode 3, which the editor does not offer; it is sent back as received.
    auto mode = listedAt (modeList (group.modes), 0);
    mode.maximum = 3;
    group.parameters.add (mode);
    group.parameters.add (listedAt (number ("CC", 1), 2));
    group.parameters.add (listedAt (number ("Program", 1), 3));
    group.parameters.add (listedAt (number ("Toggle On", 2), 4));
    group.parameters.add (listedAt (number ("Pressed", 2), 5));
    group.parameters.add (listedAt (number ("Bank LSB", 2), 6));
    group.parameters.add (listedAt (number ("Toggle Off", 3), 7));
    group.parameters.add (listedAt (number ("Released", 3), 8));
    group.parameters.add (listedAt (number ("Bank MSB", 3), 9));
    group.parameters.add (listedAt (channel ("MIDI Channel", 4), 1));
    return group;
}

// Whether each section's MIDI also goes to the DIN output.
Group controlsToMidiDin()
{
    auto group = makeGroup (ControlType::controlsToMidiDin, "MIDI to DIN");
    int slot = 0;

    for (const juce::String section : { "Transport", "Keybed", "Lower Keybed", "Upper Keybed", "Pitch Wheel",
                                        "Mod Wheel", "Sustain", "Knobs", "Pads", "Switches" })
    {
        auto flag = list (section + " Midi To DIN", slot++, ParameterTable::getFlagTexts());
        flag.kind = Kind::flag;
        group.parameters.add (flag);
    }

    return group;
}

juce::Array<Group> buildGroups()
{
    return { presetName(), keybed(), rollMode(), transport(), wheels(),
             sustain(),    knobs(),  pads(),     switches(),  controlsToMidiDin() };
}
} // namespace

std::uint8_t ParameterTable::Limits::resolve (Bound bound, std::uint8_t fixed) const
{
    switch (bound)
    {
        case Bound::highestSplitPoint: return splitPointMaximum;
        case Bound::highestOctave: return octaveMaximum;
        case Bound::fixed:
        case Bound::byWord: break;
    }

    return fixed;
}

const ParameterTable::Parameter* ParameterTable::Group::find (const juce::String& name) const
{
    for (const auto& parameter : parameters)
        if (parameter.name == name)
            return &parameter;

    return nullptr;
}

int ParameterTable::Group::getSlot (const juce::String& name) const
{
    const auto* parameter = find (name);
    return parameter != nullptr ? parameter->slot : -1;
}

ParameterTable::Group::Maximum ParameterTable::Group::findMaximum (const juce::String& name) const
{
    const auto* parameter = find (name);

    if (parameter != nullptr && parameter->bound != Bound::byWord)
        return { parameter->bound, parameter->maximum };

    for (const auto& rule : maximaByWord)
        if (name.contains (rule.word))
            return { rule.bound, rule.maximum };

    jassert (parameter == nullptr); // a row that goes by word needs a rule that matches it
    return { Bound::fixed, unknownNameMaximum };
}

std::uint8_t ParameterTable::Group::getMaximum (const juce::String& name, const Limits& limits) const
{
    const auto maximum = findMaximum (name);
    return limits.resolve (maximum.bound, maximum.fixed);
}

bool ParameterTable::Group::followsModel (const juce::String& name) const
{
    const auto bound = findMaximum (name).bound;
    return bound == Bound::highestSplitPoint || bound == Bound::highestOctave;
}

juce::Array<ParameterTable::Parameter> ParameterTable::Group::getListed() const
{
    auto listed = parameters;
    std::stable_sort (listed.begin(), listed.end(),
                      [] (const Parameter& a, const Parameter& b) { return a.listed < b.listed; });
    return listed;
}

const juce::Array<ParameterTable::Group>& ParameterTable::getGroups()
{
    static const auto groups = buildGroups();
    return groups;
}

const ParameterTable::Group* ParameterTable::findGroup (ControlType type)
{
    for (const auto& group : getGroups())
        if (group.type == type)
            return &group;

    return nullptr;
}

const juce::StringArray& ParameterTable::getFlagTexts()
{
    static const juce::StringArray texts { "OFF", "ON" };
    return texts;
}
