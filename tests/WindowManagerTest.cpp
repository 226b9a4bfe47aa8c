#include "ShellTestSupport.h"

#include "app/MainMenuModel.h"

#include <gtest/gtest.h>

namespace
{
struct WindowManagerTest : ::testing::Test, WindowFixture
{
    EditorWindow* open (const juce::String& name = {}) { return openWindow (makeEngine(), name); }
};
} // namespace

// Untitled windows are numbered by a count that never goes back; windows cascade by fifteen
// pixels from the number already open (the first places are EachWindowReachesTheDesktop...'s).
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

// A window manager sees each editor window once, already at its final size (the editor plus its
// menu bar) and place: one native window, never recreated or resized after it was made.
TEST_F (WindowManagerTest, EachWindowReachesTheDesktopOnceAtItsFinalSizeAndPlace)
{
    juce::ApplicationCommandManager commands;
    MainMenuModel menu (&commands, true);
    juce::File directory;
    WindowManager withMenus (&menu, &commands, &directory);

    // Native windows are numbered in steps of two as they are made.
    const auto nextPeerId = [] {
        juce::Component probe;
        probe.setSize (1, 1);
        probe.addToDesktop (0);
        return probe.getPeer()->getUniqueID();
    };

    for (int n = 0; n < 3; ++n)
    {
        SCOPED_TRACE (n);
        const auto before = nextPeerId();
        auto* window = withMenus.createWindow (newCanvas(), makeEngine(), {});
        EXPECT_EQ (nextPeerId() - before, 4u) << "made once";

        auto* peer = window->getPeer();
        ASSERT_NE (peer, nullptr);
        ASSERT_NE (window->getMenuBarComponent(), nullptr);
        const auto menuHeight = window->getMenuBarComponent()->getHeight();
        EXPECT_EQ (peer->getBounds(), juce::Rectangle<int> (15 + 15 * n, 60 + 15 * n, 1200, 700 + menuHeight));
    }
}
