#include "ShellTestSupport.h"

#include "app/WindowManager.h"
#include "midi/JuceMidiPorts.h"

#include <gtest/gtest.h>

namespace
{
class WindowManagerTest : public ::testing::Test
{
protected:
    EditorWindow* open (const juce::String& name = {})
    {
        OrbEditorEngine::Ptr engine = new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24);
        auto* canvas = new juce::Component();
        canvas->setSize (1200, 700);
        return manager.createWindow (canvas, engine, name);
    }

    std::uint8_t modelByte = 0x3E;
    JuceMidiPorts ports;
    MidiManager midi { ports };
    juce::File lastDirectory;
    WindowManager manager { nullptr, nullptr, &lastDirectory };
};
} // namespace

TEST_F (WindowManagerTest, UntitledWindowsAreNumberedAndTheCountNeverGoesBack)
{
    auto* first = open();
    auto* second = open();
    EXPECT_EQ (first->getName(), "Kestrin OrbMini Editor - Untitled 1");
    EXPECT_EQ (second->getName(), "Kestrin OrbMini Editor - Untitled 2");

    second->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 1);
    EXPECT_EQ (open()->getName(), "Kestrin OrbMini Editor - Untitled 3");

    EXPECT_EQ (open ("live")->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (open()->getName(), "Kestrin OrbMini Editor - Untitled 4");
}

TEST_F (WindowManagerTest, WindowsCascadeByFifteenPixelsFromTheNumberAlreadyOpen)
{
    auto* first = open();
    auto* second = open();
    EXPECT_EQ (first->getPosition(), juce::Point<int> (15, 60));
    EXPECT_EQ (second->getPosition(), juce::Point<int> (30, 75));
    EXPECT_EQ (first->getContentComponent()->getWidth(), 1200);
    EXPECT_EQ (first->getContentComponent()->getHeight(), 700);
    EXPECT_TRUE (first->isOnDesktop());

    first->closeButtonPressed();
    EXPECT_EQ (open()->getPosition(), juce::Point<int> (30, 75));
}

TEST_F (WindowManagerTest, ClosingTheLastWindowEmptiesTheListAndTellsTheOwner)
{
    int lastClosedCalls = 0;
    manager.onLastWindowClosed = [&] { ++lastClosedCalls; };
    auto* first = open();
    auto* second = open();

    first->closeButtonPressed();
    EXPECT_EQ (lastClosedCalls, 0);
    second->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 0);
    EXPECT_EQ (lastClosedCalls, 1);
}

TEST_F (WindowManagerTest, IgnoresWindowsItDoesNotOwn)
{
    open();
    juce::Component stranger;
    manager.windowClosed (&stranger);
    manager.windowClosed (nullptr);
    EXPECT_EQ (manager.getNumWindows(), 1);
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
