#include "ShellTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct WindowManagerTest : ::testing::Test, WindowFixture
{
    EditorWindow* open (const juce::String& name = {}) { return openWindow (makeEngine(), name); }
};
} // namespace

// Untitled windows are numbered by a count that never goes back; windows cascade by fifteen
// pixels from the number already open.
TEST_F (WindowManagerTest, UntitledWindowsAreNumberedAndCascade)
{
    auto* first = open();
    auto* second = open();
    EXPECT_EQ (first->getName(), "Kestrin OrbMini Editor - Untitled 1");
    EXPECT_EQ (second->getName(), "Kestrin OrbMini Editor - Untitled 2");

    first->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 1);
    auto* third = open();
    EXPECT_EQ (third->getName(), "Kestrin OrbMini Editor - Untitled 3");
    EXPECT_EQ (third->getPosition(), juce::Point<int> (30, 75));

    EXPECT_EQ (open ("live")->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (open()->getName(), "Kestrin OrbMini Editor - Untitled 4");
}
