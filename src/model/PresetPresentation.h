#pragma once

#include "model/Control.h"
#include "model/ParameterTable.h"

#include <juce_core/juce_core.h>

// How the editor presents a preset: for every parameter of every control group, whether it is
// shown as a number (the stored value plus an offset, within a range), as an entry of a list
// (entry i for the stored value i) or as an "ON"/"OFF" flag; the sections and their instance
// titles; and, for the groups with a "Mode" list, which parameters each mode shows.
// It is read off the ParameterTable, with the shown ranges worked out. The views build their
// widgets from it and the preset tool prints and reads values with it, so that both always agree.
class PresetPresentation
{
public:
    using Kind = ParameterTable::Kind;
    using Mode = ParameterTable::Mode;

    struct Parameter
    {
        juce::String name;
        Kind kind = Kind::number;
        int offset = 0;       // shown = stored + offset (numbers)
        int shownMinimum = 0; // range of the shown number (numbers)
        int shownMaximum = 127;
        // The shown range is the group's own range plus the offset (it follows the model's
        // constants, such as the number of keys); shownMinimum/Maximum are then what this model has.
        bool rangeFromGroup = false;
        juce::StringArray entries; // lists and flags: entry i stands for the stored value i

        int getShownMinimum (const Control* group) const;
        int getShownMaximum (const Control* group) const;

        // The shown text of a stored value: the number, the list entry, "ON"/"OFF"; a list value
        // with no entry gives an empty text.
        juce::String toText (int stored) const;
        // Whether the editor can show the stored value (a number inside the shown range, a list
        // value that has an entry).
        bool canShow (int stored, const Control* group) const;
    };

    struct Section
    {
        ControlType type = ControlType::presetName;
        juce::String title;                // "Knobs", "Transport" ...
        juce::String instancePrefix;       // numbered instances: "Knob " gives "Knob 1", "Knob 2" ...
        juce::StringArray instanceNames;   // named instances ("Rewind" ...); else the title or prefix
        juce::Array<Parameter> parameters; // every name of the group, in the order shown
        juce::Array<Mode> modes;           // empty unless the group has a "Mode" list

        juce::String getInstanceTitle (int index) const;
        const Parameter* findParameter (const juce::String& name) const;
        // The names shown for one instance, one per value slot: "Mode" and the current mode's
        // parameters first, then every slot the mode does not show under its first name.
        juce::StringArray getShownNames (const Control& group) const;
    };

    // Every section in dump order (the preset name, which no view shows, is not one of them).
    static const juce::Array<Section>& getSections();
    static const Section* findSection (ControlType type);
    // The presentation of a parameter; an unknown name is a plain number 0 to 127.
    static const Parameter& getParameter (ControlType type, const juce::String& name);
    static const Mode* findMode (ControlType type, const juce::String& modeName);

    // A parameter of one instance as the user names it: "Knob 3 CC", "Keybed Split Point".
    static juce::String describeParameter (ControlType type, int index, const juce::String& name);

    // The texts of a MIDI-to-DIN flag: entry 0 "OFF", entry 1 "ON".
    static const juce::StringArray& getFlagTexts();

    PresetPresentation() = delete;
};
