#include "PresetTestSupport.h"

#include "model/ParameterTable.h"

#include <gtest/gtest.h>

#include <set>

// A row whose slot lies past its group's slots would grow the group on the first edit (and shift
// every later byte of the dump); a maximum above 127 would not fit a System Exclusive byte.
TEST (ParameterTable, EveryRowHasASlotOfItsGroupAndASevenBitMaximum)
{
    EngineFixture f;

    for (const auto& table : ParameterTable::getGroups())
    {
        ASSERT_GT (f.engine->getNumControls (table.type), 0) << table.title;
        const auto& group = *f.engine->getControl (table.type, 0);

        for (const auto& row : table.parameters)
        {
            EXPECT_TRUE (juce::isPositiveAndBelow (row.slot, group.getNumSlots()) && group.getMaximum (row.name) <= 127)
                << row.name;
        }
    }
}

// A mode that names a parameter its group lacks, or two names of one byte, gives a box bound to
// nothing or two boxes that overwrite each other.
TEST (ParameterTable, EveryModeShowsNamesOfItsGroupOnDifferentSlots)
{
    for (const auto& table : ParameterTable::getGroups())
    {
        for (const auto& mode : table.modes)
        {
            std::set<int> slots { table.getSlot ("Mode") };

            for (const auto& name : mode.parameters)
            {
                const auto slot = table.getSlot (name);
                EXPECT_GE (slot, 0) << mode.name << " / " << name;
                EXPECT_TRUE (slots.insert (slot).second) << mode.name << " / " << name;
            }
        }
    }
}
