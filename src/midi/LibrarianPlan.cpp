#include "midi/LibrarianPlan.h"

#include "midi/OrbMiniProtocol.h"
#include "model/OrbMiniModel.h"
#include "model/OrbPresetName.h"

namespace
{
constexpr int nameOffset = OrbMiniProtocol::frameHeaderSize; // the name opens the payload
constexpr int nameLength = OrbPresetName::numSlots;

bool cannotBeInFileName (juce::juce_wchar c)
{
    return c < 0x20 || c == 0x7F || juce::String ("/\\:*?\"<>|").containsChar (c);
}

juce::String twoDigits (int number)
{
    return juce::String (number).paddedLeft ('0', 2);
}

int compareByName (const juce::File& a, const juce::File& b)
{
    return a.getFileName().compareNatural (b.getFileName());
}
} // namespace

juce::String LibrarianPlan::backupFileName (int slotNumber, const juce::String& presetName)
{
    juce::String name;

    for (auto c : presetName.trimEnd())
        name << juce::String::charToString (cannotBeInFileName (c) ? (juce::juce_wchar) '_' : c);

    // A name of dots or spaces alone would end the file name oddly on some systems.
    if (name.trim().isEmpty() || name.containsOnly ("."))
        return "Slot " + twoDigits (slotNumber) + ".orp";

    return "Slot " + twoDigits (slotNumber) + " - " + name + ".orp";
}

juce::String LibrarianPlan::presetNameOf (const juce::Array<std::uint8_t>& dump)
{
    juce::String name;

    for (int i = nameOffset; i < nameOffset + nameLength && i < dump.size(); ++i)
        name << juce::String::charToString ((juce::juce_wchar) dump[i]);

    return name;
}

int LibrarianPlan::slotNumberOf (const juce::File& file)
{
    const auto name = file.getFileName();

    if (! name.startsWith ("Slot ") || ! juce::CharacterFunctions::isDigit (name[5])
        || ! juce::CharacterFunctions::isDigit (name[6]) || juce::CharacterFunctions::isDigit (name[7]))
        return 0;

    const auto number = name.substring (5, 7).getIntValue();
    return number >= 1 && number <= numSlots ? number : 0;
}

juce::Array<juce::File> LibrarianPlan::findBackupFiles (const juce::File& folder, int slotNumber)
{
    juce::Array<juce::File> found;

    for (const auto& file : folder.findChildFiles (juce::File::findFiles, false, OrbMiniModel::presetWildcard))
        if (slotNumberOf (file) != 0 && (slotNumber == 0 || slotNumberOf (file) == slotNumber))
            found.add (file);

    return found;
}

juce::Array<juce::File> LibrarianPlan::findBackupFiles (const juce::File& folder)
{
    return findBackupFiles (folder, 0);
}

std::vector<LibrarianPlan::Entry> LibrarianPlan::assignSlots (juce::Array<juce::File> files)
{
    struct ByName
    {
        static int compareElements (const juce::File& a, const juce::File& b) { return compareByName (a, b); }
    } byName;
    files.sort (byName);

    std::vector<Entry> bySlot ((size_t) numSlots + 1);
    std::vector<Entry> left;

    for (const auto& file : files)
    {
        const auto slot = slotNumberOf (file);

        if (slot != 0 && bySlot[(size_t) slot].slotNumber == 0)
            bySlot[(size_t) slot] = { slot, file };
        else
            left.push_back ({ 0, file });
    }

    std::vector<Entry> unplaced;
    int freeSlot = 1;
    for (const auto& entry : left)
    {
        while (freeSlot <= numSlots && bySlot[(size_t) freeSlot].slotNumber != 0)
            ++freeSlot;

        if (freeSlot <= numSlots)
            bySlot[(size_t) freeSlot] = { freeSlot, entry.file };
        else
            unplaced.push_back (entry);
    }

    std::vector<Entry> plan;
    for (const auto& entry : bySlot)
        if (entry.slotNumber != 0)
            plan.push_back (entry);

    plan.insert (plan.end(), unplaced.begin(), unplaced.end());
    return plan;
}

std::vector<LibrarianPlan::Entry> LibrarianPlan::assignSlots (const juce::File& folder)
{
    return assignSlots (folder.findChildFiles (juce::File::findFiles, false, OrbMiniModel::presetWildcard));
}
