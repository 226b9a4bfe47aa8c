#include "app/PresetCompareComponent.h"

#include "midi/PresetParameterRows.h"

namespace
{
enum Column
{
    sectionColumn = 1,
    instanceColumn,
    parameterColumn,
    mineColumn,
    otherColumn
};
} // namespace

std::vector<PresetCompareComponent::Line> PresetCompareComponent::compare (const OrbEditorEngine& mine,
                                                                           const OrbEditorEngine& other)
{
    std::vector<Line> lines;
    const auto myName = PresetParameterRows::nameText (mine.buildDump (0));
    const auto otherName = PresetParameterRows::nameText (other.buildDump (0));

    if (myName != otherName)
        lines.push_back ({ "Preset", {}, "Name", "\"" + myName + "\"", "\"" + otherName + "\"" });

    for (const auto& [a, b] :
         PresetParameterRows::differences (PresetParameterRows::list (mine), PresetParameterRows::list (other)))
    {
        // Where the other preset's mode names the byte differently, its value says under which name.
        const auto otherText = b.name != a.name ? b.name + ": " + b.text() : b.text();
        lines.push_back ({ a.section, a.instance, a.name, a.text(), otherText });
    }

    return lines;
}

PresetCompareComponent::PresetCompareComponent (std::vector<Line> differences, const juce::String& otherTitle)
    : lines (std::move (differences))
{
    auto& header = table.getHeader();
    header.addColumn ("Section", sectionColumn, 110);
    header.addColumn ("Instance", instanceColumn, 100);
    header.addColumn ("Parameter", parameterColumn, 150);
    header.addColumn ("This Window", mineColumn, 140);
    header.addColumn (otherTitle, otherColumn, 170);
    table.setModel (this);
    table.setRowHeight (20);
    addAndMakeVisible (table);

    noDifferences.setText ("No differences", juce::dontSendNotification);
    noDifferences.setJustificationType (juce::Justification::centred);
    addChildComponent (noDifferences);
    noDifferences.setVisible (lines.empty());

    setSize (700, 420);
}

PresetCompareComponent::~PresetCompareComponent()
{
    table.setModel (nullptr);
}

void PresetCompareComponent::resized()
{
    table.setBounds (getLocalBounds());
    noDifferences.setBounds (getLocalBounds().withTrimmedTop (table.getHeader().getHeight()));
}

int PresetCompareComponent::getNumRows()
{
    return (int) lines.size();
}

void PresetCompareComponent::paintRowBackground (juce::Graphics& g, int row, int, int, bool)
{
    g.fillAll (row % 2 == 0 ? juce::Colours::white : juce::Colour (0xfff0f0f0));
}

void PresetCompareComponent::paintCell (juce::Graphics& g, int row, int column, int width, int height, bool)
{
    if (! juce::isPositiveAndBelow (row, (int) lines.size()))
        return;

    const auto& line = lines[(size_t) row];
    const juce::String* texts[] = { &line.section, &line.instance, &line.name, &line.mine, &line.other };

    if (! juce::isPositiveAndBelow (column - 1, 5))
        return;

    g.setColour (juce::Colours::black);
    g.setFont (14.0f);
    g.drawText (*texts[column - 1], 4, 0, width - 8, height, juce::Justification::centredLeft, true);
}
