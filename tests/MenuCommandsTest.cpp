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

struct MenuEntry
{
    int commandID;       // 0 for submenus, -1 for separators
    juce::String text;   // submenu name, or "-" for a separator
    bool enabled;
};

std::vector<MenuEntry> entriesOf (const juce::PopupMenu& menu)
{
    std::vector<MenuEntry> entries;

    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();

        if (item.isSeparator)
            entries.push_back ({ -1, "-", false });
        else if (item.subMenu != nullptr)
            entries.push_back ({ 0, item.text, item.isEnabled });
        else
            entries.push_back ({ item.itemID, item.text, item.isEnabled });
    }

    return entries;
}

std::vector<int> idsOf (const juce::PopupMenu& menu)
{
    std::vector<int> ids;
    for (const auto& entry : entriesOf (menu))
        ids.push_back (entry.commandID);
    return ids;
}

const juce::PopupMenu* hardwareSubmenu (const juce::PopupMenu& file)
{
    for (juce::PopupMenu::MenuItemIterator it (file); it.next();)
        if (it.getItem().subMenu != nullptr && it.getItem().text == "Hardware")
            return it.getItem().subMenu.get();

    return nullptr;
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

    bool invoke (juce::CommandID id)
    {
        return app.getCommandManager()->invokeDirectly (id, false);
    }

    KestrinOrbMiniEditorApplication app;
};
} // namespace

TEST_F (ApplicationTest, MenusHoldTheCommandsInOrderWithQuitOnlyWhereThePlatformHasNoneOfItsOwn)
{
    MainMenuModel model (app.getCommandManager());
    EXPECT_EQ (model.getMenuBarNames(), juce::StringArray ({ "File", "Edit", "Options", "Window", "Help" }));

    const auto file = model.getMenuForIndex (0, "File");
    EXPECT_EQ (idsOf (file), std::vector<int> ({ 0x200010, 0x200020, 0x200030, 0x200040, 0x200050, 0, 0x200080 }));
    EXPECT_TRUE (entriesOf (file)[5].enabled);
    EXPECT_EQ (entriesOf (file)[6].text, juce::String (juce::CharPointer_UTF8 ("Compare With File\xe2\x80\xa6")));

    const auto* hardware = hardwareSubmenu (file);
    ASSERT_NE (hardware, nullptr);
    EXPECT_EQ (idsOf (*hardware), std::vector<int> ({ 0x200070, 0x200071, -1, 0x200072, 0x200073, -1, 0x200074, -1, 0x200078, 0x200079 }));

    EXPECT_EQ (idsOf (model.getMenuForIndex (1, "Options")), std::vector<int> ({ 0x200310, 0 }));
    EXPECT_EQ (entriesOf (model.getMenuForIndex (1, "Options")).back().text, "Zoom");
    EXPECT_EQ (idsOf (model.getMenuForIndex (2, "Window")), std::vector<int> ({ 0x200410, 0x200420, -1 }));
    EXPECT_EQ (idsOf (model.getMenuForIndex (3, "Help")), std::vector<int> ({ 0x200510 }));
    EXPECT_EQ (idsOf (model.getMenuForIndex (1, "Edit")), std::vector<int> ({ 0x200110, 0x200120 }));
    EXPECT_TRUE (idsOf (model.getMenuForIndex (5, "View")).empty());

    // Without an application menu, "File" ends with "Quit" and "Help" with "About".
    MainMenuModel withoutAppMenu (app.getCommandManager(), true);
    const auto ownFile = withoutAppMenu.getMenuForIndex (0, "File");
    EXPECT_EQ (idsOf (ownFile), std::vector<int> ({ 0x200010, 0x200020, 0x200030, 0x200040, 0x200050, 0, 0x200080, -1, 0x200060 }));
    EXPECT_EQ (idsOf (withoutAppMenu.getMenuForIndex (3, "Help")), std::vector<int> ({ 0x200510, 0x200090 }));
}

// The commands of the application and of its windows under their menu names and keys, with the
// command modifier (0: none). The menus' order and which entries are ticked or enabled are checked
// above, in the zoom tests and below.
TEST_F (ApplicationTest, EveryCommandHasItsNameAndKey)
{
    const std::tuple<int, juce::String, int> commands[] = {
        { 0x200090, "About", 0 }, { 0x200010, "New Window ", 'n' }, { 0x200020, "Open", 'o' }, { 0x200310, "Device Setup", 0 },
        { 0x200030, "Close Window", 'w' }, { 0x200410, "Minimize", 'm' }, { 0x200420, "Bring All to Front", 0 },
        { 0x200510, "Open User Guide", 'h' }, { 0x200060, "Quit", 'q' },
        { 0x200078, juce::CharPointer_UTF8 ("Back Up All Slots\xe2\x80\xa6"), 0 },
        { 0x200079, juce::CharPointer_UTF8 ("Restore Slots\xe2\x80\xa6"), 0 },
        { 0x200320, "100 %", 0 }, { 0x200330, "125 %", 0 }, { 0x200340, "150 %", 0 }, { 0x200350, "200 %", 0 },
        { 0x200360, "Follow Desktop", 0 },
        // the window's own
        { 0x200040, "Save", 's' }, { 0x200050, "Save As", 0 }, { 0x200070, "Get Preset", 0 }, { 0x200071, "Send Preset", 0 },
        { 0x200072, "Set Internal Sync", 0 }, { 0x200073, "Set External Sync", 0 }, { 0x200110, "Undo", 'z' },
    };

    for (const auto& [id, name, key] : commands)
    {
        SCOPED_TRACE (juce::String::toHexString (id).toStdString());
        const auto* info = app.getCommandManager()->getCommandForID (id);
        ASSERT_NE (info, nullptr);
        EXPECT_EQ (info->shortName, name);
        EXPECT_EQ (info->categoryName, "General");
        const auto keys = key == 0 ? juce::Array<juce::KeyPress>()
                                   : juce::Array<juce::KeyPress> (juce::KeyPress (key, juce::ModifierKeys::commandModifier, 0));
        EXPECT_EQ (info->defaultKeypresses, keys);
    }
}

TEST_F (ApplicationTest, WithNoWindowOnlyTheApplicationsCommandsAreEnabled)
{
    app.getWindowManager()->getWindow (0)->closeButtonPressed();
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 0);

    std::map<int, bool> enabled;
    const auto file = app.getMainMenuModel()->getMenuForIndex (0, "File");
    for (const auto* menu : { &file, hardwareSubmenu (file) })
        for (const auto& entry : entriesOf (*menu))
            enabled[entry.commandID] = entry.enabled;

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

    // Without a global menu bar every window carries the menus, above the whole editor.
   #if ! JUCE_MAC
    EXPECT_NE (opened->getMenuBarComponent(), nullptr);
   #endif
    EXPECT_EQ (opened->getContentComponent()->getHeight(), 700);
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
    EXPECT_EQ (version.getText(), "Software Version: 1.0.2");
    pumpMessages (50);
    clickOn (version, { 10, 5 });
    pumpMessages (50);
    EXPECT_EQ (app.getAboutWindow(), nullptr);
    EXPECT_TRUE (findWindows<AboutWindow>().empty());

    invoke (0x200090);
    EXPECT_EQ (findWindows<AboutWindow>().size(), 1u);
}

// The installed guide sits under the prefix of the program's bin folder.
TEST (UserGuide, IsLookedForBesideTheInstalledEditor)
{
    const auto guide = KestrinOrbMiniEditorApplication::getInstalledUserGuide (juce::File ("/opt/orb/bin/OrbMiniEditor"));
    EXPECT_EQ (guide.getFullPathName(), "/opt/orb/share/doc/orbmini-editor/user-guide.html");
}

TEST_F (ApplicationTest, AMissingUserGuideIsNamedWithItsFullPath)
{
    const auto expected = juce::String ("Unable to find User Guide: \r\n")
                        + "/Documents/Kestrin/OrbMini Editor/OrbMini Editor - User Guide - v1.1.pdf";
    ASSERT_FALSE (app.getUserGuideFile().exists());

    // The box is modal: answer it from inside its own loop.
    juce::String shown;
    juce::Timer::callAfterDelay (100, [&shown]
    {
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
    first->toFront (true);
    pumpMessages();
    ASSERT_EQ (app.getWindowManager()->getActiveWindow(), first);

    const auto file = testDirectory ("hand-over").getChildFile ("handed.orp");
    ASSERT_TRUE (first->getEngine()->savePresetFile (file));
    first->getEngine()->setControlParameter (7, (std::uint8_t) 0, "CC", 5, false);
    ASSERT_TRUE (first->hasUnsavedChanges());

    app.anotherInstanceStarted (file.getFullPathName());
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);
    EXPECT_TRUE (first->hasUnsavedChanges());
    EXPECT_EQ (app.getWindowManager()->getWindow (1)->getCurrentFile(), file);

    // Unchanged, the active window takes the file.
    auto* second = app.getWindowManager()->getWindow (1);
    second->toFront (true);
    pumpMessages();
    app.anotherInstanceStarted (file.getFullPathName());
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 2);

    first->undo();
    first->closeButtonPressed();
    EXPECT_EQ (app.getWindowManager()->getNumWindows(), 1);
}
