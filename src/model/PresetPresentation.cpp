#include "model/PresetPresentation.h"

#include "model/ControlType.h"

namespace
{
using Parameter = PresetPresentation::Parameter;
using Kind = PresetPresentation::Kind;

Parameter number (const juce::String& name, int minimum = 0, int maximum = 127, int offset = 0)
{
    Parameter p;
    p.name = name;
    p.shownMinimum = minimum;
    p.shownMaximum = maximum;
    p.offset = offset;
    return p;
}

Parameter channel (const juce::String& name) { return number (name, 1, 16, 1); }

Parameter list (const juce::String& name, const juce::StringArray& entries)
{
    Parameter p;
    p.name = name;
    p.kind = Kind::list;
    p.entries = entries;
    p.shownMinimum = 0;
    p.shownMaximum = entries.size() - 1;
    return p;
}

// A number whose range is the group's own, shown with an offset: this model's values given.
Parameter groupRange (const juce::String& name, int minimum, int maximum, int offset)
{
    auto p = number (name, minimum, maximum, offset);
    p.rangeFromGroup = true;
    return p;
}

PresetPresentation::Section makeSection (int type, const juce::String& title, const juce::String& instancePrefix = {})
{
    PresetPresentation::Section section;
    section.type = type;
    section.title = title;
    section.instancePrefix = instancePrefix;
    return section;
}

void addNumbers (PresetPresentation::Section& section, std::initializer_list<const char*> names)
{
    for (auto* name : names)
        section.parameters.add (number (name));
}

// The "Mode" list of a section: one entry per mode, entry k for the stored mode k.
Parameter modeList (const PresetPresentation::Section& section)
{
    juce::StringArray names;
    for (const auto& mode : section.modes)
        names.add (mode.name);
    return list ("Mode", names);
}

juce::StringArray wheelChannels()
{
    juce::StringArray entries;
    for (int channel = 1; channel <= 16; ++channel)
        entries.add (juce::String (channel));
    entries.add ("Omni");
    return entries;
}

juce::Array<PresetPresentation::Section> buildSections()
{
    juce::Array<PresetPresentation::Section> sections;

    {
        auto keybed = makeSection (keybedType, "Keybed");

        for (const juce::String zone : { "Keybed", "Lower Keybed", "Upper Keybed" })
        {
            keybed.parameters.add (number (zone + " Transpose", -12, 12, -12));
            keybed.parameters.add (groupRange (zone + " Octave", 0, 7, 0));
            keybed.parameters.add (channel (zone + " MIDI Channel"));
            // The group allows 8; the editor offers the curves 1 to 8 (stored 0 to 7).
            keybed.parameters.add (number (zone + " Curve", 1, 8, 1));

            if (zone == "Keybed")
            {
                keybed.parameters.add (list ("Split Mode", { "On", "Off" }));
                keybed.parameters.add (groupRange ("Split Point", 1, 25, 1));
            }
        }

        sections.add (keybed);
    }

    {
        auto roll = makeSection (rollModeType, "Roll Mode");
        roll.parameters.add (list ("Function", { "Toggle", "Momentary" }));
        roll.parameters.add (list ("Time Div", { "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));
        roll.parameters.add (number ("Gate", 1, 99, 1));
        // The box goes to 75, one more than the group stores.
        roll.parameters.add (number ("Swing", 50, 75, 50));
        sections.add (roll);
    }

    {
        auto transport = makeSection (transportType, "Transport");
        transport.instanceNames = { "Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record" };
        transport.parameters.add (list ("Function", { "Momentary", "Toggle" }));
        addNumbers (transport, { "CC" });
        sections.add (transport);
    }

    {
        auto wheels = makeSection (wheelsType, "Wheels");
        wheels.parameters.add (list ("Pitch Wheel MIDI Channel", wheelChannels()));
        wheels.parameters.add (list ("Mod Wheel MIDI Channel", wheelChannels()));
        addNumbers (wheels, { "Mod Wheel CC", "Mod Wheel Min", "Mod Wheel Max" });
        sections.add (wheels);
    }

    {
        auto sustain = makeSection (sustainType, "Sustain Pedal");
        sustain.parameters.add (channel ("MIDI Channel"));
        addNumbers (sustain, { "CC", "Pressed", "Released" });
        sections.add (sustain);
    }

    {
        auto knobs = makeSection (knobType, "Knobs", "Knob ");
        knobs.modes.add ({ "CC", { "MIDI Channel", "CC", "Min", "Max" } });
        knobs.modes.add ({ "Aftertouch", { "MIDI Channel", "Min", "Max" } });
        knobs.parameters.add (modeList (knobs));
        knobs.parameters.add (channel ("MIDI Channel"));
        addNumbers (knobs, { "CC", "Min", "Max" });
        sections.add (knobs);
    }

    // Pads and switches share the CC and program modes.
    const PresetPresentation::Mode ccToggle { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } };
    const PresetPresentation::Mode ccMomentary { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } };
    const PresetPresentation::Mode programChange { "Program Change",
                                                   { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } };

    {
        auto pads = makeSection (padType, "Drum Pads", "Pad ");
        pads.modes.add ({ "Note", { "MIDI Channel", "Note", "Fixed", "Curve" } });
        pads.modes.add (ccToggle);
        pads.modes.add (ccMomentary);
        pads.modes.add (programChange);
        pads.parameters.add (modeList (pads));
        pads.parameters.add (channel ("MIDI Channel"));
        addNumbers (pads, { "Note", "CC", "Program", "Fixed", "Toggle On", "Pressed", "Bank LSB" });
        pads.parameters.add (number ("Curve", 1, 8, 1));
        addNumbers (pads, { "Toggle Off", "Released", "Bank MSB" });
        sections.add (pads);
    }

    {
        auto switches = makeSection (switchType, "Switches", "Switch ");
        // The group also stores a mode 3, which the editor does not offer.
        switches.modes.add (ccToggle);
        switches.modes.add (ccMomentary);
        switches.modes.add (programChange);
        switches.parameters.add (modeList (switches));
        switches.parameters.add (channel ("MIDI Channel"));
        addNumbers (switches, { "CC", "Program", "Toggle On", "Pressed", "Bank LSB", "Toggle Off", "Released", "Bank MSB" });
        sections.add (switches);
    }

    {
        auto din = makeSection (controlsToMidiDinType, "MIDI to DIN");

        for (const juce::String name : { "Transport", "Keybed", "Lower Keybed", "Upper Keybed", "Pitch Wheel",
                                         "Mod Wheel", "Sustain", "Knobs", "Pads", "Switches" })
        {
            Parameter flag;
            flag.name = name + " Midi To DIN";
            flag.kind = Kind::flag;
            flag.entries = PresetPresentation::getFlagTexts();
            flag.shownMaximum = 1;
            din.parameters.add (flag);
        }

        sections.add (din);
    }

    return sections;
}
} // namespace

int PresetPresentation::Parameter::getShownMinimum (const Control* group) const
{
    return rangeFromGroup && group != nullptr ? group->getMinimum (name) + offset : shownMinimum;
}

int PresetPresentation::Parameter::getShownMaximum (const Control* group) const
{
    return rangeFromGroup && group != nullptr ? group->getMaximum (name) + offset : shownMaximum;
}

juce::String PresetPresentation::Parameter::toText (int stored) const
{
    if (kind == Kind::number)
        return juce::String (stored + offset);

    if (kind == Kind::flag)
        return entries[stored != 0 ? 1 : 0];

    return entries[stored];
}

bool PresetPresentation::Parameter::canShow (int stored, const Control* group) const
{
    if (kind == Kind::number)
        return stored + offset >= getShownMinimum (group) && stored + offset <= getShownMaximum (group);

    if (kind == Kind::flag)
        return stored <= 1;

    return stored >= 0 && stored < entries.size();
}

juce::String PresetPresentation::Section::getInstanceTitle (int index) const
{
    if (index >= 0 && index < instanceNames.size())
        return instanceNames[index];

    if (instancePrefix.isNotEmpty())
        return instancePrefix + juce::String (index + 1);

    return title;
}

const PresetPresentation::Parameter* PresetPresentation::Section::findParameter (const juce::String& name) const
{
    for (const auto& parameter : parameters)
        if (parameter.name == name)
            return &parameter;

    return nullptr;
}

juce::StringArray PresetPresentation::Section::getShownNames (const Control& group) const
{
    juce::StringArray shown;
    juce::Array<int> slotsShown;

    const auto add = [&] (const juce::String& name)
    {
        const auto slot = group.getParameterIndex (name);

        if (slot >= 0 && ! slotsShown.contains (slot))
        {
            shown.add (name);
            slotsShown.add (slot);
        }
    };

    if (! modes.isEmpty())
    {
        add ("Mode");
        const auto mode = group.getParameterValue ("Mode");

        if (mode < modes.size())
            for (const auto& name : modes.getReference (mode).parameters)
                add (name);
    }

    for (const auto& parameter : parameters)
        add (parameter.name);

    return shown;
}

const juce::Array<PresetPresentation::Section>& PresetPresentation::getSections()
{
    static const auto sections = buildSections();
    return sections;
}

const PresetPresentation::Section* PresetPresentation::findSection (int type)
{
    for (const auto& section : getSections())
        if (section.type == type)
            return &section;

    return nullptr;
}

const PresetPresentation::Parameter& PresetPresentation::getParameter (int type, const juce::String& name)
{
    if (const auto* section = findSection (type))
        if (const auto* parameter = section->findParameter (name))
            return *parameter;

    static const Parameter plain;
    return plain;
}

const PresetPresentation::Mode* PresetPresentation::findMode (int type, const juce::String& modeName)
{
    if (const auto* section = findSection (type))
        for (const auto& mode : section->modes)
            if (mode.name == modeName)
                return &mode;

    return nullptr;
}

const juce::StringArray& PresetPresentation::getFlagTexts()
{
    static const juce::StringArray texts { "OFF", "ON" };
    return texts;
}

juce::String PresetPresentation::describeParameter (int type, int index, const juce::String& name)
{
    // The MIDI-to-DIN flags' names already say whose flag they are ("Knobs Midi To DIN").
    if (type == controlsToMidiDinType)
        return name;

    if (auto* section = findSection (type))
        return section->getInstanceTitle (index) + " " + name;

    return name;
}
