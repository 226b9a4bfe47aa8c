#include "model/PresetPresentation.h"

#include "model/ControlType.h"

namespace
{
using Parameter = PresetPresentation::Parameter;
using Kind = PresetPresentation::Kind;

// A row of the table as the editor shows it: numbers within their stored range plus the offset
// (unless the editor caps them apart), lists and flags over their entries.
Parameter present (const ParameterTable::Group& group, const ParameterTable::Parameter& row)
{
    Parameter p;
    p.name = row.name;
    p.kind = row.kind;
    p.entries = row.entries;

    if (row.kind == Kind::number)
    {
        p.offset = row.offset;
        p.shownMinimum = row.offset;
        p.shownMaximum = row.shownMaximum >= 0 ? row.shownMaximum
                                               : group.getMaximum (row.name, ParameterTable::Limits {}) + row.offset;
        p.rangeFromGroup = group.followsModel (row.name);
    }
    else
    {
        p.shownMaximum = row.entries.size() - 1;
    }

    return p;
}

juce::Array<PresetPresentation::Section> buildSections()
{
    juce::Array<PresetPresentation::Section> sections;

    for (const auto& group : ParameterTable::getGroups())
    {
        // No view shows the preset name.
        if (group.type == ControlType::presetName)
            continue;

        PresetPresentation::Section section;
        section.type = group.type;
        section.title = group.title;
        section.instancePrefix = group.instancePrefix;
        section.instanceNames = group.instanceNames;
        section.modes = group.modes;

        for (const auto& row : group.getListed())
            section.parameters.add (present (group, row));

        sections.add (section);
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

    const auto add = [&] (const juce::String& name) {
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

const PresetPresentation::Section* PresetPresentation::findSection (ControlType type)
{
    for (const auto& section : getSections())
        if (section.type == type)
            return &section;

    return nullptr;
}

const PresetPresentation::Parameter& PresetPresentation::getParameter (ControlType type, const juce::String& name)
{
    if (const auto* section = findSection (type))
        if (const auto* parameter = section->findParameter (name))
            return *parameter;

    static const Parameter plain;
    return plain;
}

const PresetPresentation::Mode* PresetPresentation::findMode (ControlType type, const juce::String& modeName)
{
    if (const auto* section = findSection (type))
        for (const auto& mode : section->modes)
            if (mode.name == modeName)
                return &mode;

    return nullptr;
}

const juce::StringArray& PresetPresentation::getFlagTexts()
{
    return ParameterTable::getFlagTexts();
}

juce::String PresetPresentation::describeParameter (ControlType type, int index, const juce::String& name)
{
    // The MIDI-to-DIN flags' names already say whose flag they are ("Knobs Midi To DIN").
    if (type == ControlType::controlsToMidiDin)
        return name;

    if (auto* section = findSection (type))
        return section->getInstanceTitle (index) + " " + name;

    return name;
}
