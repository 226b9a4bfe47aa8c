#include "app/CommandLineFiles.h"

#include "PresetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct CommandLineFilesTest : ::testing::Test
{
    using Files = juce::Array<juce::File>;

    void SetUp() override
    {
        folder = testDirectory ("command-line-files");
        for (auto name : { "a.orp", "my set.orp", "b.orp" })
            ASSERT_TRUE (folder.getChildFile (name).replaceWithText ("x"));
    }

    Files parse (const juce::String& line) const { return CommandLineFiles::parse (line, folder); }
    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

    juce::File folder;
};
} // namespace

// One path, with blanks, quoted or not: one file (an absolute one is e2e/command_line.sh's). A line
// naming no file that exists is still one path, so that opening it reports the failure; options and
// empty lines name none. Otherwise (as the framework joins a file manager's arguments) each existing
// file, in order.
TEST_F (CommandLineFilesTest, TheWholeLineNamesOneFileWhenSuchAFileExistsOtherwiseEachArgumentDoes)
{
    for (auto line : { "my set.orp", "\"my set.orp\"", "  'my set.orp' " })
        EXPECT_EQ (parse (line), Files ({ file ("my set.orp") })) << line;
    EXPECT_EQ (parse ("missing one.orp"), Files ({ file ("missing one.orp") }));
    for (auto line : { "", "  ", "--some-option a.orp" })
        EXPECT_TRUE (parse (line).isEmpty()) << line;

    EXPECT_EQ (parse (CommandLineFiles::join ({ "b.orp", "my set.orp", "gone.orp", file ("a.orp").getFullPathName() })),
               Files ({ file ("b.orp"), file ("my set.orp"), file ("a.orp") }));
    EXPECT_EQ (CommandLineFiles::join ({ "a.orp", "my set.orp" }), "a.orp \"my set.orp\"");
}
