#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

// Which file belongs to which hardware slot when all slots are backed up into a folder or put
// back from one. Slots are numbered as the user sees them, 1 to 24.
class LibrarianPlan
{
public:
    static constexpr int numSlots = 24;

    struct Entry
    {
        int slotNumber = 0; // 1 to 24, or 0 when the file has no slot left
        juce::File file;
    };

    // "Slot 07 - <name>.orp": the preset's 16-character name with trailing spaces trimmed and the
    // characters a file name cannot hold replaced; "Slot 07.orp" when the name is blank.
    static juce::String backupFileName (int slotNumber, const juce::String& presetName);
    // The preset name held in a dump's 16 name bytes (after the 10 bytes of header and slot).
    static juce::String presetNameOf (const juce::Array<std::uint8_t>& dump);

    // The slot a file name starts with ("Slot 07 - Bass.orp" is 7), or 0.
    static int slotNumberOf (const juce::File& file);
    // Backup files of a slot already in the folder, by their "Slot NN" prefix.
    static juce::Array<juce::File> findBackupFiles (const juce::File& folder, int slotNumber);
    static juce::Array<juce::File> findBackupFiles (const juce::File& folder);

    // Files given by their "Slot NN" prefix go to that slot (the first in name order when two name
    // one slot); the others fill the slots left free, in name order. Entries are in slot order,
    // then the files that found no slot (slot 0).
    static std::vector<Entry> assignSlots (juce::Array<juce::File> files);
    // The preset files of a folder, assigned as above.
    static std::vector<Entry> assignSlots (const juce::File& folder);
};
