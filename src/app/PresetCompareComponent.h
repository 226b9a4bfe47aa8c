#pragma once

#include "midi/OrbEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The content of a compare window: one line per parameter whose value differs between a window's
// preset and another one (a file, a hardware slot), with section, instance, parameter and both
// values as the views show them; the preset name first when it differs. "No differences" when
// there are none.
class PresetCompareComponent : public juce::Component, private juce::TableListBoxModel
{
public:
    struct Line
    {
        juce::String section, instance, name, mine, other;
        bool operator== (const Line&) const = default;
    };

    // What differs between the two presets, in dump order.
    static std::vector<Line> compare (const OrbEditorEngine& mine, const OrbEditorEngine& other);

    // `otherTitle` heads the other preset's column ("File: bass.orp", "Slot 3").
    PresetCompareComponent (std::vector<Line> lines, const juce::String& otherTitle);
    ~PresetCompareComponent() override;

    const std::vector<Line>& getLines() const { return lines; }
    juce::TableListBox& getTable() { return table; }
    juce::Label& getNoDifferencesLabel() { return noDifferences; }

    void resized() override;

private:
    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int column, int width, int height, bool selected) override;

    std::vector<Line> lines;
    juce::TableListBox table;
    juce::Label noDifferences;

    JUCE_DECLARE_NON_COPYABLE (PresetCompareComponent)
};
