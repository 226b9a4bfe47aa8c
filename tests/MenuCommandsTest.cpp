#include "MidiTestSupport.h"
#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/AboutWindow.h"
#include "app/DeviceManagerWindow.h"
#include "app/KestrinOrbMiniEditorApplication.h"
#include "app/MainMenuModel.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace
{
using App = KestrinOrbEditorApplication;

// A menu's items in order, submenus as items of their own.
std::vector<juce::PopupMenu::Item> itemsOf (const juce::PopupMenu& menu)
{
    std::vector<juce::PopupMenu::Item> items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.push_back (it.getItem());
    return items;
}

// The submenu of that name (an empty menu when there is none).
juce::PopupMenu submenu (const juce::PopupMenu& menu, const juce::String& name)
{
    for (const auto& item : itemsOf (menu))
        if (item.subMenu != nullptr && item.text == name)
            return *item.subMenu;

    return {};
}

// A menu's entries in order: the command id (0: a submenu, -1: a separator), the text, and the
// command's key with the command modifier (0: none; -1: checked elsewhere).
using MenuRow = std::tuple<int, juce::String, int>;

void expectMenu (const juce::PopupMenu& menu, juce::ApplicationCommandManager& commands,
                 const std::vector<MenuRow>& rows)
{
    const auto items = itemsOf (menu);
    ASSERT_EQ (items.size(), rows.size());

    for (size_t i = 0; i < rows.size(); ++i)
    {
        const auto& [id, text, key] = rows[i];
        SCOPED_TRACE (text.toStdString());
        const auto& item = items[i];
        EXPECT_EQ (item.isSeparator ? -1 : item.subMenu != nullptr ? 0 : item.itemID, id);
        EXPECT_EQ (item.isSeparator ? "-" : item.text, text);

        if (id <= 0 || key < 0)
            continue;

        const auto* info = commands.getCommandForID (id);
        ASSERT_NE (info, nullptr);
        EXPECT_EQ (info->categoryName, "General");
        EXPECT_EQ (info->defaultKeypresses, key == 0 ? juce::Array<juce::KeyPress>()
                                                     : juce::Array<juce::KeyPress> (
                                                         juce::KeyPress (key, juce::ModifierKeys::commandModifier, 0)));
    }
}

// The application object as the running editor has it, without the single-instance check.
class ApplicationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.startEditor ({});
        // Here the last window's closing must not end the test run.
        app.getWindowManager()->onLastWindowClosed = nullptr;
        ASSERT_EQ (app.getWindowManager()->getNumWindows(), 1);
    }

    void TearDown() override { dismissAlerts(); }

    bool invoke (juce::CommandID id) { return app.getCommandManager()->invokeDirectly (id, false); }

    KestrinOrbMiniEditorApplication app;
};
} // namespace

// Every menu with its commands in order, under their names and with their keys, the window's
// commands included. Ticks are checked by the zoom tests, the enabled state below.
TEST_F (ApplicationTest, MenusHoldTheCommandsInOrderWithQuitOnlyWhereThePlatformHasNoneOfItsOwn)
{
    auto& commands = *app.getCommandManager();
    MainMenuModel model (&commands);
    EXPECT_EQ (model.getMenuBarNames(), juce::StringArray ({ "File", "Edit", "Options", "Window", "Help" }));

    const juce::String dots (juce::CharPointer_UTF8 ("\xe2\x80\xa6"));
    std::vector<MenuRow> file { { 0x200010, "New Window ", 'n' },
                                { 0x200020, "Open", 'o' },
                                { 0x200030, "Close Window", 'w' },
                                { 0x200040, "Save", 's' },
                                { 0x200050, "Save As", 0 },
                                { 0, "Hardware", 0 },
                                { 0x200080, "Compare With File" + dots, 0 } };
    const auto fileMenu = model.getMenuForIndex (0, "File");
    expectMenu (fileMenu, commands, file);
    EXPECT_TRUE (itemsOf (fileMenu)[5].isEnabled);
    expectMenu (submenu (fileMenu, "Hardware"), commands,
                { { 0x200070, "Get Preset", 0 },
                  { 0x200071, "Send Preset", 0 },
                  { -1, "-", 0 },
                  { 0x200072, "Set Internal Sync", 0 },
                  { 0x200073, "Set External Sync", 0 },
                  { -1, "-", 0 },
                  { 0x200074, "Compare With Hardware Slot" + dots, 0 },
                  { -1, "-", 0 },
                  { 0x200078, "Back Up All Slots" + dots, 0 },
                  { 0x200079, "Restore Slots" + dots, 0 } });

    expectMenu (model.getMenuForIndex (1, "Edit"), commands, { { 0x200110, "Undo", 'z' }, { 0x200120, "Redo", -1 } });
    const auto options = model.getMenuForIndex (2, "Options");
    expectMenu (options, commands, { { 0x200310, "Device Setup", 0 }, { 0, "Zoom", 0 } });
    expectMenu (submenu (options, "Zoom"), commands,
                { { 0x200320, "100 %", 0 },
                  { 0x200330, "125 %", 0 },
                  { 0x200340, "150 %", 0 },
                  { 0x200350, "200 %", 0 },
                  { 0x200360, "Follow Desktop", 0 } });
    expectMenu (model.getMenuForIndex (3, "Window"), commands,
                { { 0x200410, "Minimize", 'm' }, { 0x200420, "Bring All to Front", 0 }, { -1, "-", 0 } });
    expectMenu (model.getMenuForIndex (4, "Help"), commands, { { 0x200510, "Open User Guide", 'h' } });
    EXPECT_TRUE (itemsOf (model.getMenuForIndex (5, "View")).empty());

    // Without an application menu, "File" ends with "Quit" and "Help" with "About".
    MainMenuModel withoutAppMenu (&commands, true);
    file.insert (file.end(), { { -1, "-", 0 }, { 0x200060, "Quit", 'q' } });
    expectMenu (withoutAppMenu.getMenuForIndex (0, "File"), commands, file);
    expectMenu (withoutAppMenu.getMenuForIndex (4, "Help"), commands,
                { { 0x200510, "Open User Guide", 'h' }, { 0x200090, "About", 0 } });
}

TEST_F (ApplicationTest, WithNoWindowOnlyTheApplicationsCommandsAreEnabled)
{
    app.getWindowManager()->getWindow (0)->closeButtonPressed();
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 0);

    std::map<int, bool> enabled;
    const auto file = app.getMainMenuModel()->getMenuForIndex (0, "File");
    for (const auto& menu : { file, submenu (file, "Hardware") })
        for (const auto& item : itemsOf (menu))
            enabled[item.itemID] = item.isEnabled;

    const std::pair<int, bool> expectedEnabled[] = { { 0x200010, true },  { 0x200020, true },  { 0x200030, true },
                                                     { 0x200040, false }, { 0x200050, false }, { 0x200070, false } };
    for (auto [id, expected] : expectedEnabled)
        EXPECT_EQ (enabled.at (id), expected) << std::hex << id;

    // "Close Window" is claimed by the application, which does nothing with it.
    EXPECT_TRUE (invoke (0x200030));
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 0);

    EXPECT_TRUE (invoke (0x200010));
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);
    EXPECT_EQ (app.getWindowManager()->getWindow (0)->getName(), "Kestrin OrbMini Editor - Untitled 2");
}

TEST_F (ApplicationTest, OpenAlwaysMakesANewWindowAndCancellingMakesNone)
{
    ScriptedFileChooser chooser;
    const juce::TemporaryFile preset ("set.orp");
    ASSERT_TRUE (app.getWindowManager()->getWindow (0)->getEngine()->savePresetFile (preset.getFile()));

    invoke (0x200020);
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (chooser.requests[0].title, "Select Filename to open");
    EXPECT_EQ (chooser.requests[0].wildcard, "*.orp");
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);

    chooser.answerWith (preset.getFile());
    invoke (0x200020);
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);
    auto* opened = app.getWindowManager()->getWindow (1);
    EXPECT_EQ (opened->getName(), "Kestrin OrbMini Editor - " + preset.getFile().getFileNameWithoutExtension());
    EXPECT_EQ (app.getLastDirectory(), juce::File());
}

TEST_F (ApplicationTest, AboutAndDeviceSetupOpenOnceEach)
{
    invoke (0x200090);
    invoke (0x200090);
    EXPECT_EQ (findWindows<AboutWindow>().size(), 1u);
    ASSERT_NE (app.getAboutWindow(), nullptr);
    reference::expectComponentMatches (*app.getAboutWindow()->getAboutComponent(), "about");

    invoke (0x200310);
    invoke (0x200310);
    EXPECT_EQ (findWindows<DeviceManagerWindow>().size(), 1u);
    ASSERT_NE (app.getDeviceSetupWindow(), nullptr);
    EXPECT_EQ (app.getDeviceSetupWindow()->getName(), "OrbMini Editor Device Manager");

    auto& version = app.getAboutWindow()->getAboutComponent()->getVersionLabel();
    EXPECT_EQ (version.getName(), "Software Version Text");
    EXPECT_EQ (version.getText(), juce::String ("Software Version: ") + JUCE_APPLICATION_VERSION_STRING);
    pumpMessages (50);
    clickOn (version, { 10, 5 });
    pumpMessages (50);
    EXPECT_EQ (app.getAboutWindow(), nullptr);
    EXPECT_TRUE (findWindows<AboutWindow>().empty());

    invoke (0x200090);
    EXPECT_EQ (findWindows<AboutWindow>().size(), 1u);
}

TEST_F (ApplicationTest, AMissingUserGuideIsNamedWithItsFullPath)
{
    const auto expected = juce::String ("Unable to find User Guide: \r\n")
                          + "/Documents/Kestrin/OrbMini Editor/OrbMini Editor - User Guide - v1.1.pdf";
    ASSERT_FALSE (app.getUserGuideFile().exists());

    // The box is modal: answer it from inside its own loop.
    juce::String shown;
    juce::Timer::callAfterDelay (100, [&shown] {
        const auto alerts = findAlerts();

        if (! alerts.empty())
        {
            shown = describe (alerts.front());
            alerts.front()->exitModalState (0);
        }
    });

    invoke (0x200510);
    pumpMessages (50);
    EXPECT_EQ (shown, "Kestrin OrbMini Editor. " + expected);
}

TEST_F (ApplicationTest, AFileHandedOverNeverReplacesTheActiveWindowsUnsavedChanges)
{
    auto* first = app.getWindowManager()->getWindow (0);
    // The X server's focus change arrives when it arrives, later on a loaded machine.
    first->toFront (true);
    ASSERT_TRUE (miditest::runUntil ([&] { return app.getWindowManager()->getActiveWindow() == first; }, 2000));

    const auto file = testDirectory ("hand-over").getChildFile ("handed.orp");
    ASSERT_TRUE (first->getEngine()->savePresetFile (file));
    first->getEngine()->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", 5, false);
    ASSERT_TRUE (first->hasUnsavedChanges());

    app.anotherInstanceStarted (file.getFullPathName());
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);
    EXPECT_TRUE (first->hasUnsavedChanges());
    EXPECT_EQ (app.getWindowManager()->getWindow (1)->getCurrentFile(), file);

    // Unchanged, the active window takes the file.
    auto* second = app.getWindowManager()->getWindow (1);
    second->toFront (true);
    ASSERT_TRUE (miditest::runUntil ([&] { return app.getWindowManager()->getActiveWindow() == second; }, 2000));
    app.anotherInstanceStarted (file.getFullPathName());
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 2);

    first->undo();
    first->closeButtonPressed();
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);
}
