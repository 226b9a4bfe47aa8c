#include "ShellTestSupport.h"

#include "app/KestrinOrbEditorApplication.h"
#include "model/ControlType.h"

#include <gtest/gtest.h>

namespace
{
const juce::String appName = "Kestrin OrbMini Editor";

class EditorWindowTest : public ::testing::Test, protected WindowFixture
{
protected:
    void SetUp() override
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getNonexistentChildFile ("orbmini-editor-window", {}, false);
        ASSERT_TRUE (folder.createDirectory());
        window = openWindow (engine);
    }

    void TearDown() override
    {
        dismissAlerts();
        folder.deleteRecursively();
    }

    void press (const juce::String& buttonName)
    {
        juce::TextButton button (buttonName);
        window->buttonClicked (&button);
    }

    void run (juce::CommandID command)
    {
        window->perform (juce::ApplicationCommandTarget::InvocationInfo (command));
    }

    // Changes Knob 1's CC to another valid value.
    void editPreset()
    {
        auto* knob = engine->getControl (knobType, 0);
        knob->setParameterValue ("CC", (std::uint8_t) ((knob->getParameterValue ("CC") + 1) % 128), false);
    }

    EditorWindow* window = nullptr;
    ScriptedFileChooser chooser;
    juce::File folder;
};
} // namespace

TEST_F (EditorWindowTest, SaveInANeverSavedWindowAsksSaveToFileAlwaysAsksAndSaveWritesTheLastFileLoaded)
{
    run (KestrinOrbEditorApplication::saveCommand);

    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (chooser.requests[0].title, "Select Filename to save");
    EXPECT_EQ (chooser.requests[0].wildcard, "*.orp");
    EXPECT_TRUE (chooser.requests[0].forSaving);
    EXPECT_EQ (window->getName(), appName + " - Untitled 1");
    EXPECT_EQ (window->getCurrentFile(), juce::File());
    EXPECT_EQ (lastDirectory, juce::File());

    const auto a = folder.getChildFile ("a.orp");
    chooser.answerWith (a);
    press ("Save To File");
    press ("Save To File");
    EXPECT_EQ (chooser.requests.size(), 3u);
    EXPECT_EQ (window->getCurrentFile(), a);

    press ("save to file");
    press ("Something Else");
    EXPECT_EQ (chooser.requests.size(), 3u);
    EXPECT_EQ (window->getGetDialog(), nullptr);
    EXPECT_EQ (window->getSendDialog(), nullptr);

    // After loading a file from another folder, "Save" writes that file.
    const auto otherFolder = folder.getChildFile ("other");
    ASSERT_TRUE (otherFolder.createDirectory());
    const auto b = otherFolder.getChildFile ("b.orp");
    ASSERT_TRUE (engine->savePresetFile (b));
    chooser.answerWith (b);
    press ("Load From File");
    ASSERT_EQ (chooser.requests.size(), 4u);
    EXPECT_EQ (chooser.requests[3].title, "Select Filename to open");
    EXPECT_FALSE (chooser.requests[3].forSaving);
    EXPECT_EQ (window->getName(), appName + " - b");
    EXPECT_EQ (lastDirectory, folder);  // opening does not move the shared folder

    const auto aBefore = readBytes (a), bBefore = readBytes (b);
    editPreset();
    run (KestrinOrbEditorApplication::saveCommand);
    EXPECT_EQ (chooser.requests.size(), 4u);
    EXPECT_EQ (readBytes (a), aBefore);
    EXPECT_NE (readBytes (b), bBefore);
}

TEST_F (EditorWindowTest, SaveAsNamesTheWindowLaterSavesWriteWithoutAskingAndAFailedSaveKeepsAll)
{
    const auto live = folder.getChildFile ("live.orp");
    chooser.answerWith (live);
    run (KestrinOrbEditorApplication::saveAsCommand);

    EXPECT_EQ (window->getName(), appName + " - live");
    EXPECT_EQ (window->getCurrentFile(), live);
    EXPECT_EQ (lastDirectory, folder);
    EXPECT_EQ (live.getSize(), 316);

    const auto before = readBytes (live);
    editPreset();
    run (KestrinOrbEditorApplication::saveCommand);

    EXPECT_EQ (chooser.requests.size(), 1u);
    EXPECT_NE (readBytes (live), before);
    EXPECT_EQ (window->getName(), appName + " - live");

    // The next chooser starts where the last save went. A save into a folder that cannot exist,
    // as its parent is a plain file, is reported and keeps title, file and folder.
    const auto blocker = folder.getChildFile ("blocker");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    chooser.answerWith (blocker.getChildFile ("unwritable.orp"));
    run (KestrinOrbEditorApplication::saveAsCommand);
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_EQ (chooser.requests[1].startingDirectory, folder);

    const auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_EQ (alerts[0]->getName(), "File Error");
    EXPECT_EQ (describe (alerts[0]), "File Error. Error Saving unwritable.orp\r\n File Not Written");
    EXPECT_EQ (window->getName(), appName + " - live");
    EXPECT_EQ (window->getCurrentFile(), live);
    EXPECT_EQ (lastDirectory, folder);
    EXPECT_FALSE (blocker.getChildFile ("unwritable.orp").exists());

    // With the current file gone, "Save" asks instead.
    dismissAlerts();
    ASSERT_TRUE (live.deleteFile());
    run (KestrinOrbEditorApplication::saveCommand);
    EXPECT_EQ (chooser.requests.size(), 3u);
}

// A name typed without an extension is saved with ".orp", so that Open and Load list it; replacing
// an existing file of that name is asked first, and only "Overwrite" writes it.
TEST_F (EditorWindowTest, SaveAsAddsThePresetExtensionAndAsksBeforeReplacingThatFile)
{
    chooser.answerWith (folder.getChildFile ("live"));
    run (KestrinOrbEditorApplication::saveAsCommand);

    const auto live = folder.getChildFile ("live.orp");
    EXPECT_FALSE (folder.getChildFile ("live").exists());
    EXPECT_EQ (live.getSize(), 316);
    EXPECT_EQ (window->getCurrentFile(), live);
    EXPECT_EQ (window->getName(), appName + " - live");
    EXPECT_TRUE (findAlerts().empty());

    // A name with an extension of its own is kept as typed.
    const auto dotted = folder.getChildFile ("live.v2");
    chooser.answerWith (dotted);
    run (KestrinOrbEditorApplication::saveAsCommand);
    EXPECT_EQ (window->getCurrentFile(), dotted);
    EXPECT_EQ (dotted.getSize(), 316);

    // "live" again: live.orp exists. Cancel writes nothing, Overwrite writes it.
    editPreset();
    const auto before = readBytes (live);

    for (const int answer : { 0, 1 })
    {
        SCOPED_TRACE (answer);
        chooser.answerWith (folder.getChildFile ("live"));
        run (KestrinOrbEditorApplication::saveAsCommand);

        const auto alerts = findAlerts();
        ASSERT_EQ (alerts.size(), 1u);
        EXPECT_EQ (alerts[0]->getName(), "File already exists");
        EXPECT_TRUE (describe (alerts[0]).contains (live.getFullPathName()));
        EXPECT_EQ (readBytes (live), before);

        alerts[0]->exitModalState (answer);
        pumpMessages();
    }

    EXPECT_NE (readBytes (live), before);
    EXPECT_EQ (window->getCurrentFile(), live);
    EXPECT_EQ (window->getName(), appName + " - live");
}

TEST_F (EditorWindowTest, ALoadFailureShowsOneFileErrorAtATime)
{
    const auto broken = folder.getChildFile ("broken.set.orp");
    ASSERT_TRUE (broken.replaceWithData (juce::MemoryBlock (100, true).getData(), 100));

    EXPECT_FALSE (window->loadFile (broken));
    auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_EQ (describe (alerts[0]), "File Error. Error Opening broken.set.orp\r\n Invalid Preset Data");
    EXPECT_EQ (window->getName(), appName + " - Untitled 1");
    EXPECT_EQ (window->getCurrentFile(), juce::File());

    chooser.answerWith (broken);
    press ("Load From File");
    EXPECT_EQ (findAlerts().size(), 1u);

    // Once dismissed, the box deletes its callback, so the next failure shows a box again.
    dismissAlerts();
    EXPECT_EQ (findAlerts().size(), 0u);
    EXPECT_EQ (window->getFileErrorAlert(), nullptr);

    EXPECT_FALSE (window->loadFile (broken));
    EXPECT_EQ (findAlerts().size(), 1u);
}

TEST_F (EditorWindowTest, SyncWithoutAnInputShowsTheMidiErrorOnceUntilTheWindowCloses)
{
    run (KestrinOrbEditorApplication::setExternalSyncCommand);
    run (KestrinOrbEditorApplication::setInternalSyncCommand);

    const auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_EQ (describe (alerts[0]),
               "MIDI Error. MIDI Communication Unsuccessful.\r\nVerify MIDI Connection and Device Settings.\r\n"
               "Verify no other applications are using the MIDI Port.");

    // A file error can be up at the same time.
    window->fileErrorOccurred ("x.orp");
    EXPECT_EQ (findAlerts().size(), 2u);

    // "Close Window" closes an edited window without asking.
    dismissAlerts();
    editPreset();
    run (KestrinOrbEditorApplication::closeWindowCommand);
    EXPECT_EQ (manager.getNumWindows(), 0);
    EXPECT_TRUE (findAlerts().empty());

    // The closed window no longer listens: a failure now reaches no one.
    engine->setSyncMode (true);
    EXPECT_TRUE (findAlerts().empty());
}

TEST_F (EditorWindowTest, CommandsInTheirOrderWithNamesAndKeys)
{
    expectCommands (*window, { { 0x200040, "Save", 's' },        { 0x200050, "Save As", 0 },
                               { 0x200070, "Get Preset", 0 },     { 0x200071, "Send Preset", 0 },
                               { 0x200030, "Close Window", 'w' }, { 0x200072, "Set Internal Sync", 0 },
                               { 0x200073, "Set External Sync", 0 } });
    EXPECT_TRUE (window->perform (juce::ApplicationCommandTarget::InvocationInfo (0x200090)));
}
