#include "midi/PresetParameterRows.h"

#include <algorithm>

namespace
{
constexpr int headerSize = 10;   // common header and slot byte
} // namespace

juce::String PresetParameterRows::Row::text() const
{
    const auto t = shown->toText (stored);
    return t.isNotEmpty() ? t : "(no entry, stored " + juce::String (stored) + ")";
}

std::vector<PresetParameterRows::Row> PresetParameterRows::list (const OrbEditorEngine& engine)
{
    std::vector<Row> rows;

    for (const auto& section : PresetPresentation::getSections())
    {
        for (int i = 0; i < engine.getNumControls (section.type); ++i)
        {
            auto* group = engine.getControl (section.type, i);

            for (const auto& name : section.getShownNames (*group))
            {
                Row row;
                row.section = section.title;
                row.instance = section.getInstanceTitle (i);
                row.name = name;
                row.shown = &PresetPresentation::getParameter (section.type, name);
                row.group = group;
                row.position = headerSize + group->getDumpOffset() + group->getParameterIndex (name);
                row.stored = group->getParameterValue (name);
                rows.push_back (row);
            }
        }
    }

    return rows;
}

const PresetParameterRows::Row* PresetParameterRows::find (const std::vector<Row>& rows, int position)
{
    const auto found = std::find_if (rows.begin(), rows.end(), [position] (const Row& r) { return r.position == position; });
    return found != rows.end() ? &*found : nullptr;
}
