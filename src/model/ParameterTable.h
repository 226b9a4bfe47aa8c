#pragma once

#include "model/ControlType.h"
#include "model/OrbMiniModel.h"

#include <juce_core/juce_core.h>

#include <cstdint>

// Every parameter of every OrbMini control group, declared once: the slot that holds it, its
// stored maximum, how the editor shows it (a number with an offset, a list, an "ON"/"OFF" flag),
// the group's modes and the titles of its instances. The groups answer their slots and maxima
// from it, and the presentation the views and the preset tool read is built from it.
class ParameterTable
{
public:
    enum class Kind
    {
        number,
        list,
        flag
    };

    // Where a stored maximum comes from: the byte given, a figure of the model the keybed is built
    // for, or the group's rules by word.
    enum class Bound
    {
        fixed,
        highestSplitPoint,
        highestOctave,
        byWord
    };

    // The model figures that some maxima follow; by default this model's.
    struct Limits
    {
        std::uint8_t splitPointMaximum = static_cast<std::uint8_t> (OrbMiniModel::numKeys - 1);
        std::uint8_t octaveMaximum = OrbMiniModel::octaveMaximum;

        std::uint8_t resolve (Bound bound, std::uint8_t fixed) const;
    };

    struct Parameter
    {
        juce::String name;
        int slot = 0;
        Bound bound = Bound::fixed;
        std::uint8_t maximum = 127; // when bound is fixed
        Kind kind = Kind::number;
        int offset = 0;            // numbers: shown = stored + offset
        int shownMaximum = -1;     // numbers the editor caps apart from the stored range; else -1
        juce::StringArray entries; // lists and flags: entry i stands for the stored value i
        int listed = -1;           // place in the editor's order; -1 throughout a group: name order
    };

    // A maximum chosen by a word the name contains, for the group's names without a maximum of
    // their own and for names it does not know; the first rule that matches wins.
    struct WordRule
    {
        juce::String word;
        Bound bound = Bound::fixed;
        std::uint8_t maximum = 0;
    };

    struct Mode
    {
        juce::String name;            // the entry of the "Mode" list
        juce::StringArray parameters; // the widgets of that mode, top to bottom
    };

    struct Group
    {
        ControlType type = ControlType::presetName;
        juce::String title;                // "Knobs", "Transport" ...
        juce::String instancePrefix;       // numbered instances: "Knob " gives "Knob 1" ...
        juce::StringArray instanceNames;   // named instances ("Rewind" ...)
        juce::Array<Parameter> parameters; // the group's names, in its name order
        juce::Array<WordRule> maximaByWord;
        std::uint8_t unknownNameMaximum = 0; // a name no row and no rule answers
        juce::Array<Mode> modes;             // empty unless the group has a "Mode" list

        const Parameter* find (const juce::String& name) const;
        // The name's slot, or -1 for a name the group does not have.
        int getSlot (const juce::String& name) const;
        std::uint8_t getMaximum (const juce::String& name, const Limits& limits) const;
        // Whether the name's maximum follows a model figure rather than a fixed byte.
        bool followsModel (const juce::String& name) const;
        // The parameters in the order the editor lists them.
        juce::Array<Parameter> getListed() const;

    private:
        struct Maximum
        {
            Bound bound;
            std::uint8_t fixed;
        };

        Maximum findMaximum (const juce::String& name) const;
    };

    // Every group in dump order.
    static const juce::Array<Group>& getGroups();
    static const Group* findGroup (ControlType type);

    // The texts of a flag: entry 0 "OFF", entry 1 "ON".
    static const juce::StringArray& getFlagTexts();

    ParameterTable() = delete;
};
