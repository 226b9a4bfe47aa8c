#pragma once

#include "midi/OrbEditorEngine.h"
#include "model/PresetPresentation.h"

#include <vector>

// Every shown parameter of an engine's preset, one row each, as the views show them: section,
// instance and parameter name, the stored value and its text, and where the byte sits in the dump.
// The preset tool lists and compares presets with these rows, and transfers name the parameters
// that failed with them.
class PresetParameterRows
{
public:
    struct Row
    {
        juce::String section, instance, name;
        const PresetPresentation::Parameter* shown = nullptr;
        Control* group = nullptr;
        int position = 0; // in the dump
        int stored = 0;

        // The value as shown; a value the editor cannot show says what is stored.
        juce::String text() const;
        // "Knob 3 / CC".
        juce::String title() const { return instance + " / " + name; }
    };

    static std::vector<Row> list (const OrbEditorEngine& engine);
    // The row of a dump position, or null (header, name, frame bytes).
    static const Row* find (const std::vector<Row>& rows, int position);

    // A byte that differs between two presets: its row in each (the presets' modes may name the
    // byte differently).
    struct Difference
    {
        Row mine, other;
    };

    // Every row of `mine` whose byte differs in `other`, in the order of `mine`.
    static std::vector<Difference> differences (const std::vector<Row>& mine, const std::vector<Row>& other);

    // The 16-character preset name of a dump as text: printable characters as they are, a
    // backslash or double quote behind a backslash, anything else as \xNN.
    static juce::String nameText (const OrbEditorEngine::ByteArray& dump);

    PresetParameterRows() = delete;
};
