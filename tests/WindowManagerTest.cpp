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
    EXPECT_EQ (first->getPosition(), juce::Point<int> (15, 60));
    EXPECT_EQ (second->getPosition(), juce::Point<int> (30, 75));
    EXPECT_TRUE (first->isOnDesktop());

    first->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 1);
    auto* third = open();
    EXPECT_EQ (third->getName(), "Kestrin OrbMini Editor - Untitled 3");
    EXPECT_EQ (third->getPosition(), juce::Point<int> (30, 75));

    EXPECT_EQ (open ("live")->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (open()->getName(), "Kestrin OrbMini Editor - Untitled 4");
}

TEST_F (WindowManagerTest, ClosingTheLastWindowItOwnsEmptiesTheListAndTellsTheOwner)
{
    int lastClosedCalls = 0;
    manager.onLastWindowClosed = [&] { ++lastClosedCalls; };
    auto* first = open();
    auto* second = open();

    juce::Component stranger;
    manager.windowClosed (&stranger);
    manager.windowClosed (nullptr);
    first->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 1);
    EXPECT_EQ (lastClosedCalls, 0);
    second->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 0);
    EXPECT_EQ (lastClosedCalls, 1);
}

TEST_F (WindowManagerTest, FilesOpenInTheActiveWindowWhichTakesTheirName)
{
    auto* first = open();
    auto* second = open();
    auto* active = manager.getActiveWindow();
    ASSERT_NE (active, nullptr);
    auto* other = active == first ? second : first;
    const auto otherName = other->getName();

    const auto live = testDirectory ("window-manager").getChildFile ("live.orp");
    ASSERT_TRUE (active->getEngine()->savePresetFile (live));
    manager.openFileInActiveWindow (live);
    EXPECT_EQ (active->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (active->getCurrentFile(), live);
    EXPECT_EQ (other->getName(), otherName);

    // A file that fails to load renames nothing and reports the failure.
    manager.openFileInActiveWindow (juce::File ("/nonexistent/broken.orp"));
    EXPECT_EQ (active->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (findAlerts().size(), 1u);
    dismissAlerts();
}
