#include "midi/PresetParameterRows.h"

#include "midi/OrbMiniProtocol.h"

#include <algorithm>

namespace
{
constexpr int headerSize = OrbMiniProtocol::frameHeaderSize;
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
    const auto found =
        std::find_if (rows.begin(), rows.end(), [position] (const Row& r) { return r.position == position; });
    return found != rows.end() ? &*found : nullptr;
}

std::vector<PresetParameterRows::Difference> PresetParameterRows::differences (const std::vector<Row>& mine,
                                                                               const std::vector<Row>& other)
{
    std::vector<Difference> found;

    for (const auto& a : mine)
        if (auto* b = find (other, a.position); b != nullptr && b->stored != a.stored)
            found.push_back ({ a, *b });

    return found;
}

juce::String PresetParameterRows::nameText (const OrbEditorEngine::ByteArray& dump)
{
    juce::String text;

    for (int i = 0; i < 16; ++i)
    {
        const auto c = dump[headerSize + i];

        if (c == '\\' || c == '"')
            text << "\\" << juce::String::charToString ((juce::juce_wchar) c);
        else if (c >= 0x20 && c < 0x7F)
            text << juce::String::charToString ((juce::juce_wchar) c);
        else
            text << "\\x" << juce::String::toHexString ((int) c).paddedLeft ('0', 2).toUpperCase();
    }

    return text;
}
