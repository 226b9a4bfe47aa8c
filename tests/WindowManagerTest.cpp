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
    auto* window = open();
    ASSERT_NE (manager.getActiveWindow(), nullptr);

    juce::TemporaryFile preset ("live.orp");
    ASSERT_TRUE (window->getEngine()->savePresetFile (preset.getFile()));
    const auto live = preset.getFile().getSiblingFile ("live.orp");
    ASSERT_TRUE (preset.getFile().moveFileTo (live));

    auto* active = manager.getActiveWindow();
    manager.openFileInActiveWindow (juce::File ("/nonexistent/broken.orp"));
    EXPECT_TRUE (first->getName().endsWith ("Untitled 1"));
    EXPECT_TRUE (window->getName().endsWith ("Untitled 2"));

    // The failure's alert takes the focus while it is up; once dismissed, the window has it back.
    const auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_TRUE (describe (alerts[0]).contains ("Error Opening broken.orp"));
    dismissAlerts();
    active->toFront (true);
    ASSERT_EQ (manager.getActiveWindow(), active);

    manager.openFileInActiveWindow (live);
    EXPECT_EQ (active->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (active->getCurrentFile(), live);
    live.deleteFile();
}
