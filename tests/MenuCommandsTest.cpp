#include "MidiTestSupport.h"
#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/AboutWindow.h"
#include "app/DeviceManagerWindow.h"
#include "app/KestrinOrbMiniEditorApplication.h"
#include "app/MainMenuModel.h"

#include <gtest/gtest.h>

namespace
{
const juce::String dots (juce::CharPointer_UTF8 ("\xe2\x80\xa6"));

// A menu's items in order, submenus as items of their own.
std::vector<juce::PopupMenu::Item> itemsOf (const juce::PopupMenu& menu)
{
    std::vector<juce::PopupMenu::Item> items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.push_back (it.getItem());
    return items;
}

// A menu as shown: each entry's text and its command's keys, "-" for a separator, " >" after a submenu.
juce::StringArray shown (const juce::PopupMenu& menu, juce::ApplicationCommandManager& commands)
{
    juce::StringArray rows;
    for (const auto& item : itemsOf (menu))
    {
        auto row = item.isSeparator ? juce::String ("-") : item.text + (item.subMenu != nullptr ? " >" : "");
        if (const auto* info = item.subMenu == nullptr ? commands.getCommandForID (item.itemID) : nullptr)
            for (const auto& key : info->defaultKeypresses)
                row << " [" << key.getTextDescription() << "]";
        rows.add (row);
    }
    return rows;
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

    // Every test starts as a first run: no settings kept from another.
    const bool settingsForgotten = EditorSettings::getDefaultFile().getParentDirectory().deleteRecursively();
    KestrinOrbMiniEditorApplication app;
};
} // namespace

// Every menu with its commands in order, under their names and with their keys, the window's
// commands included. The zoom entries and their ticks are EditorZoom.FollowsTheDesktop...'s, the
// enabled state below.
TEST_F (ApplicationTest, MenusHoldTheCommandsInOrderWithQuitOnlyWhereThePlatformHasNoneOfItsOwn)
{
    auto& commands = *app.getCommandManager();
    MainMenuModel model (&commands);
    EXPECT_EQ (model.getMenuBarNames(), (juce::StringArray { "File", "Edit", "Options", "Window", "Help" }));

    const auto fileMenu = model.getMenuForIndex (0, "File"), options = model.getMenuForIndex (2, "Options");
    const auto hardware = *itemsOf (fileMenu).at (5).subMenu;
    juce::StringArray file { "New Window  [ctrl + N]",  "Open [ctrl + O]", "Close Window [ctrl + W]",
                             "Save [ctrl + S]",         "Save As",         "Hardware >",
                             "Compare With File" + dots };
    EXPECT_EQ (shown (fileMenu, commands), file);
    EXPECT_TRUE (itemsOf (fileMenu)[5].isEnabled);
    EXPECT_EQ (shown (hardware, commands),
               (juce::StringArray { "Get Preset", "Send Preset", "Live Edit Slot" + dots, "-", "Set Internal Sync",
                                    "Set External Sync", "-", "Compare With Hardware Slot" + dots, "-",
                                    "Back Up All Slots" + dots, "Restore Slots" + dots }));
    EXPECT_EQ (shown (model.getMenuForIndex (1, "Edit"), commands),
               (juce::StringArray { "Undo [ctrl + Z]", "Redo [ctrl + shift + Z] [ctrl + Y]" }));
    EXPECT_EQ (shown (options, commands), (juce::StringArray { "Device Setup", "Zoom >" }));
    EXPECT_EQ (shown (model.getMenuForIndex (3, "Window"), commands),
               (juce::StringArray { "Minimize [ctrl + M]", "Bring All to Front", "-", "MIDI Monitor", "-" }));
    EXPECT_EQ (shown (model.getMenuForIndex (4, "Help"), commands),
               (juce::StringArray { "Open User Guide [ctrl + H]" }));

    // Without an application menu, "File" ends with "Quit" and "Help" with "About".
    MainMenuModel withoutAppMenu (&commands, true);
    file.addArray (juce::StringArray { "-", "Quit [ctrl + Q]" });
    EXPECT_EQ (shown (withoutAppMenu.getMenuForIndex (0, "File"), commands), file);
    EXPECT_EQ (shown (withoutAppMenu.getMenuForIndex (4, "Help"), commands),
               (juce::StringArray { "Open User Guide [ctrl + H]", "About" }));

    // The application's own menus add the recent files after what "File" holds.
    file.insert (file.size() - 2, "Open Recent >");
    EXPECT_EQ (shown (app.getMainMenuModel()->getMenuForIndex (0, "File"), commands), file);
}

// The files opened and saved head File > Open Recent, and each chooser starts where the last of its
// kind ended; both are kept for the next start.
TEST_F (ApplicationTest, OpenedFilesAndTheirFoldersAreRemembered)
{
    ScriptedFileChooser chooser;
    const auto folder = EditorSettings::getDefaultFile().getSiblingFile ("presets");
    const auto preset = folder.getChildFile ("live.orp");
    folder.createDirectory();
    ASSERT_TRUE (app.getWindowManager()->getWindow (0)->getEngine()->savePresetFile (preset));

    chooser.answerWith (preset);
    invoke (0x200020);
    invoke (0x200020); // cancelled
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_EQ (chooser.requests[1].startingDirectory, folder);
    EXPECT_EQ (app.getSettings()->getRecentFiles().getFile (0), preset);
    EXPECT_EQ (EditorSettings (EditorSettings::getDefaultFile()).getFolder (EditorSettings::Kind::open), folder);

    auto& menus = *app.getMainMenuModel();
    const auto recent = menus.createRecentFilesMenu();
    menus.menuItemSelected (MainMenuModel::firstRecentFileItem, 0);
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 3);
    EXPECT_EQ (app.getWindowManager()->getWindow (2)->getCurrentFile(), preset);
}

TEST_F (ApplicationTest, WithNoWindowOnlyTheApplicationsCommandsAreEnabled)
{
    app.getWindowManager()->getWindow (0)->closeButtonPressed();

    juce::StringArray enabled;
    const auto file = app.getMainMenuModel()->getMenuForIndex (0, "File");
    for (const auto& menu : { file, *itemsOf (file).at (5).subMenu })
        for (const auto& item : itemsOf (menu))
            if (item.isEnabled && item.subMenu == nullptr && ! item.isSeparator)
                enabled.add (item.text);
    EXPECT_EQ (enabled, (juce::StringArray { "New Window ", "Open", "Close Window", "Quit", "Back Up All Slots" + dots,
                                             "Restore Slots" + dots }));

    // "Close Window" is claimed by the application, which does nothing with it.
    EXPECT_TRUE (invoke (0x200030));
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 0);

    EXPECT_TRUE (invoke (0x200010));
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);
}

TEST_F (ApplicationTest, OpenAlwaysMakesANewWindowAndCancellingMakesNone)
{
    ScriptedFileChooser chooser;
    const juce::TemporaryFile preset ("set.orp");
    ASSERT_TRUE (app.getWindowManager()->getWindow (0)->getEngine()->savePresetFile (preset.getFile()));

    invoke (0x200020);
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (chooser.requests[0].title + " " + chooser.requests[0].wildcard, "Select Filename to open *.orp");
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);

    chooser.answerWith (preset.getFile());
    invoke (0x200020);
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);
    EXPECT_EQ (app.getWindowManager()->getWindow (1)->getCurrentFile(), preset.getFile());
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
    EXPECT_EQ (version.getText(), juce::String ("Software Version: ") + JUCE_APPLICATION_VERSION_STRING);
    pumpMessages (50);
    clickOn (version, { 10, 5 });
    pumpMessages (50);
    EXPECT_TRUE (findWindows<AboutWindow>().empty());

    invoke (0x200090);
    EXPECT_EQ (findWindows<AboutWindow>().size(), 1u);

    // Both open over the editor window, and Return or escape closes the About window as a click does.
    const auto centreOfWindow = app.getWindowManager()->getWindow (0)->getScreenBounds().getCentre();
    EXPECT_LE (app.getAboutWindow()->getScreenBounds().getCentre().getDistanceFrom (centreOfWindow), 1);
    EXPECT_LE (app.getDeviceSetupWindow()->getScreenBounds().getCentre().getDistanceFrom (centreOfWindow), 1);
    pressKeyAndWait (*app.getAboutWindow(), juce::KeyPress::escapeKey);
    EXPECT_TRUE (findWindows<AboutWindow>().empty());
    invoke (0x200090);
    pressKeyAndWait (*app.getAboutWindow()->getAboutComponent(), juce::KeyPress::returnKey);
    EXPECT_TRUE (findWindows<AboutWindow>().empty());
}

TEST_F (ApplicationTest, AMissingUserGuideIsNamedWithItsFullPath)
{
    ASSERT_FALSE (app.getUserGuideFile().exists());

    // The box is modal: answer it from inside its own loop.
    juce::String shown;
    juce::Timer::callAfterDelay (100, [&shown] {
        if (const auto alerts = findAlerts(); ! alerts.empty())
        {
            shown = describe (alerts.front());
            alerts.front()->exitModalState (0);
        }
    });

    invoke (0x200510);
    pumpMessages (50);
    EXPECT_EQ (shown, "Kestrin OrbMini Editor. Unable to find User Guide: \r\n/Documents/Kestrin/OrbMini Editor/"
                      "OrbMini Editor - User Guide - v1.1.pdf");
}

// That the file opens in a window named after it is e2e/hand_over.sh's.
TEST_F (ApplicationTest, AFileHandedOverNeverReplacesTheActiveWindowsUnsavedChanges)
{
    auto* first = app.getWindowManager()->getWindow (0);
    // The X server's focus change arrives when it arrives, later on a loaded machine.
    first->toFront (true);
    ASSERT_TRUE (miditest::runUntil ([&] { return app.getWindowManager()->getActiveWindow() == first; }, 2000));

    const auto file = testDirectory ("hand-over").getChildFile ("handed.orp");
    ASSERT_TRUE (first->getEngine()->savePresetFile (file));
    first->getEngine()->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", 5, false);

    app.anotherInstanceStarted (file.getFullPathName());
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);
    EXPECT_TRUE (first->hasUnsavedChanges());

    // Unchanged, the active window takes the file.
    auto* second = app.getWindowManager()->getWindow (1);
    second->toFront (true);
    ASSERT_TRUE (miditest::runUntil ([&] { return app.getWindowManager()->getActiveWindow() == second; }, 2000));
    app.anotherInstanceStarted (file.getFullPathName());
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 2);
}

// The user guide names every item of every menu the editor shows, submenus and their items
// included, so that a new command cannot ship undocumented.
TEST_F (ApplicationTest, TheUserGuideNamesEveryMenuItem)
{
    const auto guide = juce::File (ORBMINI_USER_GUIDE_SOURCE).loadFileAsString().replace ("&amp;", "&");
    ASSERT_TRUE (guide.isNotEmpty());

    auto& model = *app.getMainMenuModel();
    juce::StringArray missing;

    std::function<void (const juce::PopupMenu&)> check = [&] (const juce::PopupMenu& menu) {
        for (const auto& item : itemsOf (menu))
        {
            if (! item.isSeparator && ! guide.contains (item.text.trim()))
                missing.add (item.text);
            if (item.subMenu != nullptr)
                check (*item.subMenu);
        }
    };

    for (const auto& name : model.getMenuBarNames())
    {
        EXPECT_TRUE (guide.contains ("<b>" + name + "</b>")) << name;
        check (model.getMenuForIndex (0, name));
    }

    EXPECT_EQ (missing, juce::StringArray()) << "not named in the user guide";
}
