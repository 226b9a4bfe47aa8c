#include "ShellTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct WindowManagerTest : ::testing::Test, WindowFixture
{
    EditorWindow* open (const juce::String& name = {}) { return openWindow (makeEngine(), name); }
};
} // namespace

// Untitled windows are numbered by a count that never goes back, and a named window takes no
// number; a window cascades from the number already open, so the third, opened with one window
// left, comes where the second did. Numbering and cascading as "New Window" opens windows one
// after another are e2e/window_geometry.sh's.
TEST_F (WindowManagerTest, UntitledWindowsAreNumberedByACountThatNeverGoesBackAndCascadeByTheWindowsOpen)
{
    auto* first = open();
    auto* second = open();

    first->closeButtonPressed();
    auto* third = open();
    EXPECT_EQ (third->getName(), "Kestrin OrbMini Editor - Untitled 3");
    EXPECT_EQ (third->getPosition(), second->getPosition());

    EXPECT_EQ (open ("live")->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (open()->getName(), "Kestrin OrbMini Editor - Untitled 4");
}
