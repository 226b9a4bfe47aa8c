#include "app/EditorSettings.h"
#include "app/MainMenuModel.h"
#include "app/MidiLink.h"
#include "app/MidiStatusLine.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using Kind = FileChooserService::FolderMemory::Kind;

// Under this run's own scratch config folder (each test runs in a process of its own).
juce::File scratchFolder (const juce::String& name)
{
    auto folder = juce::File (juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {})).getChildFile (name);
    folder.deleteRecursively();
    return folder;
}

juce::String describeSettings (const EditorSettings& settings)
{
    juce::StringArray recent;
    for (int i = 0; i < settings.getRecentFiles().getNumFiles(); ++i)
        recent.add (settings.getRecentFiles().getFile (i).getFileName());

    return settings.getInput().name + "|" + settings.getInput().identifier + "|" + settings.getOutput().name + "|"
           + settings.getOutput().identifier + "|" + juce::String (settings.getZoom()) + "|"
           + settings.getFolder (Kind::open).getFileName() + "|" + settings.getFolder (Kind::save).getFileName() + "|"
           + settings.getFolder (Kind::backup).getFileName() + "|" + recent.joinIntoString (",");
}
} // namespace

// Everything kept comes back in the next run, from a folder that did not exist before; every
// change is on disk at once, and nothing is left half-written beside the file.
TEST (EditorSettings, KeepsEverythingForTheNextRun)
{
    const auto folder = scratchFolder ("round-trip");
    const auto file = folder.getChildFile ("orbmini-editor/settings.xml");
    {
        EditorSettings settings (file);
        EXPECT_FALSE (settings.wasMovedAside());
        EXPECT_EQ (describeSettings (settings), "||||0||||");

        settings.setInput ({ "OrbMini MIDI 1", "24-0" });
        EXPECT_TRUE (file.existsAsFile());
        settings.setOutput ({ "OrbMini MIDI 1", "24-1" });
        settings.setZoom (1.5f);
        settings.setFolder (Kind::open, folder.getChildFile ("presets"));
        settings.setFolder (Kind::save, folder.getChildFile ("mine"));
        settings.setFolder (Kind::backup, folder.getChildFile ("backups"));
        for (int i = 1; i <= EditorSettings::maxRecentFiles + 2; ++i)
            settings.addRecentFile (folder.getChildFile ("p" + juce::String (i) + ".orp"));
        settings.addRecentFile (folder.getChildFile ("p5.orp")); // again: to the top
        EXPECT_FALSE (settings.lastWriteFailed());
    }

    EditorSettings next (file);
    EXPECT_EQ (describeSettings (next), "OrbMini MIDI 1|24-0|OrbMini MIDI 1|24-1|1.5|presets|mine|backups|"
                                        "p5.orp,p12.orp,p11.orp,p10.orp,p9.orp,p8.orp,p7.orp,p6.orp,p4.orp,p3.orp");
    EXPECT_EQ (file.getParentDirectory().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);

    next.clearRecentFiles();
    EXPECT_EQ (EditorSettings (file).getRecentFiles().getNumFiles(), 0);
}

TEST (EditorSettings, TheFileLivesInTheUsersConfigFolder)
{
    const auto saved = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});
    setenv ("XDG_CONFIG_HOME", "/tmp/elsewhere", 1);
    EXPECT_EQ (EditorSettings::getDefaultFile().getFullPathName(), "/tmp/elsewhere/orbmini-editor/settings.xml");
    unsetenv ("XDG_CONFIG_HOME");
    EXPECT_EQ (EditorSettings::getDefaultFile(), juce::File ("~/.config/orbmini-editor/settings.xml"));
    setenv ("XDG_CONFIG_HOME", saved.toRawUTF8(), 1);
}

// A file that cannot be read does not stop the editor: it is set aside, the defaults hold, and
// what is changed from then on is kept again.
class UnreadableSettings : public ::testing::TestWithParam<const char*>
{};

TEST_P (UnreadableSettings, AreMovedAsideAndTheDefaultsUsed)
{
    const auto file = scratchFolder (GetParam()).getChildFile ("settings.xml");
    const juce::String kind (GetParam());
    if (kind == "folder")
        file.getChildFile ("inside").create();
    else
        file.create(),
            file.replaceWithText (kind == "garbage" ? "\x01\x02 not xml at all" : "<PROPERTIES><VALUE name=");

    EditorSettings settings (file);
    EXPECT_TRUE (settings.wasMovedAside());
    EXPECT_TRUE (file.getSiblingFile ("settings.xml.bad").exists());
    EXPECT_EQ (describeSettings (settings), "||||0||||");

    settings.setZoom (2.0f);
    EXPECT_FALSE (settings.lastWriteFailed());
    EditorSettings next (file);
    EXPECT_FALSE (next.wasMovedAside());
    EXPECT_EQ (next.getZoom(), 2.0f);
}

INSTANTIATE_TEST_SUITE_P (Files, UnreadableSettings, ::testing::Values ("garbage", "truncated", "folder"));

// File > Open Recent: the files still there, most recent first, then "Clear Menu"; choosing one
// opens that file.
TEST (OpenRecentMenu, ListsThePresentFilesAndOpensTheChosenOne)
{
    const auto folder = scratchFolder ("recent");
    folder.createDirectory();
    EditorSettings settings (folder.getChildFile ("settings.xml"));
    MainMenuModel menuModel (nullptr);
    juce::File opened;
    menuModel.setRecentFiles (&settings, [&opened] (const juce::File& file) { opened = file; });

    const auto itemsOf = [&menuModel] {
        juce::StringArray items;
        const auto menu = menuModel.createRecentFilesMenu();
        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
            items.add (it.getItem().isSeparator ? juce::String ("--")
                                                : it.getItem().text.fromLastOccurrenceOf ("/", false, false)
                                                      + (it.getItem().isEnabled ? "" : " (disabled)"));
        return items.joinIntoString (", ");
    };
    EXPECT_EQ (itemsOf(), "Clear Menu (disabled)");

    for (auto name : { "a.orp", "gone.orp", "b.orp" })
    {
        folder.getChildFile (name).replaceWithText ("x");
        settings.addRecentFile (folder.getChildFile (name));
    }
    folder.getChildFile ("gone.orp").deleteFile();
    EXPECT_EQ (itemsOf(), "b.orp, a.orp, --, Clear Menu");

    menuModel.menuItemSelected (MainMenuModel::firstRecentFileItem + 1, 0);
    EXPECT_EQ (opened, folder.getChildFile ("a.orp"));

    menuModel.menuItemSelected (MainMenuModel::clearRecentFilesItem, 0);
    EXPECT_EQ (itemsOf(), "Clear Menu (disabled)");
}

// The ports at start and after: remembered ones (waiting for their device when it is not
// plugged in), or the one controller listed; every choice is remembered, and the status line
// follows unplug and replug.
class PortsThatComeBack : public ::testing::TestWithParam<miditest::PortLayer>
{
protected:
    std::unique_ptr<VirtualMidiPorts> ports { miditest::makePorts (GetParam()) };
    MidiManager manager { *ports, 20 };
    EditorSettings settings { scratchFolder ("ports").getChildFile ("settings.xml") };

    void plug (const juce::String& name)
    {
        ports->addInput (name);
        ports->addOutput (name);
    }

    juce::String status()
    {
        miditest::runFor (1); // change messages reach their listeners on the message thread
        return MidiStatusLine::describe (manager);
    }
};

TEST_P (PortsThatComeBack, RememberedPortsOpenAtStartAmongTwins)
{
    plug ("OrbMini MIDI 1");
    plug ("OrbMini MIDI 1");
    const auto secondInput = ports->getInputDevices()[1], secondOutput = ports->getOutputDevices()[1];
    settings.setInput (secondInput);
    settings.setOutput (secondOutput);

    MidiLink link (manager, settings);
    link.restore();
    EXPECT_EQ (manager.getInputDevice(), secondInput);
    EXPECT_EQ (manager.getOutputDevice(), secondOutput);
    EXPECT_EQ (status(), "OrbMini MIDI 1 connected");
}

TEST_P (PortsThatComeBack, AbsentPortsWaitAndOpenWhenPlugged)
{
    settings.setInput ({ "OrbMini MIDI 1", "old-id" });
    settings.setOutput ({ "OrbMini MIDI 1", "old-id" });
    MidiLink link (manager, settings);
    link.restore();
    EXPECT_EQ (status(), "OrbMini MIDI 1 not present, waiting");

    plug ("OrbMini MIDI 1");
    ASSERT_TRUE (miditest::runUntil ([this] { return manager.isConnected() && manager.isOutputOpen(); }, 2000));
    EXPECT_EQ (status(), "OrbMini MIDI 1 connected");
    EXPECT_EQ (settings.getInput(), manager.getInputDevice()); // the new identifier is the hint now

    ports->removeInput ("OrbMini MIDI 1");
    ports->removeOutput ("OrbMini MIDI 1");
    ASSERT_TRUE (miditest::runUntil ([this] { return ! manager.isConnected(); }, 2000));
    EXPECT_EQ (status(), "OrbMini MIDI 1 not present, waiting");
    EXPECT_EQ (settings.getInput().name, "OrbMini MIDI 1");

    plug ("OrbMini MIDI 1");
    ASSERT_TRUE (miditest::runUntil ([this] { return manager.isConnected() && manager.isOutputOpen(); }, 2000));
    EXPECT_EQ (status(), "OrbMini MIDI 1 connected");
}

TEST_P (PortsThatComeBack, WithNothingRememberedTheOnlyControllerIsTaken)
{
    plug ("Through Port");
    EXPECT_EQ (status(), "No MIDI device chosen");

    MidiLink link (manager, settings);
    link.restore();
    EXPECT_EQ (status(), "No MIDI device chosen");

    // Plugged in later: taken within the link's look, and remembered.
    plug ("OrbMini MIDI 1");
    ASSERT_TRUE (miditest::runUntil ([this] { return manager.isConnected(); }, 2500));
    EXPECT_EQ (status(), "OrbMini MIDI 1 connected");
    EXPECT_EQ (settings.getOutput().name, "OrbMini MIDI 1");

    // What the user chooses in Device Setup is remembered in its place.
    manager.setInput ("Through Port");
    manager.setOutput ("Through Port");
    EXPECT_EQ (status(), "Through Port connected");
    EXPECT_EQ (settings.getInput().name, "Through Port");
}

TEST_P (PortsThatComeBack, TwoControllersAreLeftForTheUserToChoose)
{
    plug ("OrbMini MIDI 1");
    plug ("OrbMini MIDI 2");
    MidiLink link (manager, settings);
    link.restore();
    EXPECT_EQ (status(), "No MIDI device chosen");
    EXPECT_EQ (settings.getInput().name, "");
}

INSTANTIATE_TEST_SUITE_P (Layers, PortsThatComeBack, miditest::bothPortLayers, miditest::portLayerName);
