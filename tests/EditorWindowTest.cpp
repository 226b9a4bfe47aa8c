#include "ShellTestSupport.h"

#include "app/KestrinOrbEditorApplication.h"
#include "app/PresetCompareWindow.h"
#include "app/SaveChangesAlert.h"
#include "model/ControlType.h"

#include <gtest/gtest.h>

namespace
{
const juce::String appName = "Kestrin OrbMini Editor";

class EditorWindowTest : public ::testing::Test, protected WindowFixture
{
protected:
    void SetUp() override { window = openWindow (engine); }
    void TearDown() override { dismissAlerts(); }

    void press (const juce::String& buttonName)
    {
        juce::TextButton button (buttonName);
        window->buttonClicked (&button);
    }

    void run (juce::CommandID command) { window->perform (juce::ApplicationCommandTarget::InvocationInfo (command)); }

    // An edit as a widget makes it: Knob `index + 1`'s CC through the engine.
    void editKnobCC (int index, int value)
    {
        engine->setControlParameter (ControlType::knobs, (std::uint8_t) index, "CC", (std::uint8_t) value, false);
    }

    // Changes Knob 1's CC to another valid value in the group itself, past the window's edit steps.
    void editPreset()
    {
        auto* knob = engine->getControl (ControlType::knobs, 0);
        knob->setParameterValue ("CC", (std::uint8_t) ((knob->getParameterValue ("CC") + 1) % 128), false);
    }

    // The window holds that file and is named after it.
    void expectShows (const juce::File& file)
    {
        EXPECT_EQ (window->getCurrentFile(), file);
        EXPECT_EQ (window->getName(), appName + " - " + file.getFileNameWithoutExtension());
    }

    int knobCC (int index) const { return engine->getControl (ControlType::knobs, index)->getParameterValue ("CC"); }

    juce::ApplicationCommandInfo commandInfo (juce::CommandID command)
    {
        juce::ApplicationCommandInfo info (command);
        window->getCommandInfo (command, info);
        return info;
    }

    bool isEnabled (juce::CommandID command)
    {
        return (commandInfo (command).flags & juce::ApplicationCommandInfo::isDisabled) == 0;
    }

    // Answers the save-changes question on screen, as its button would.
    void answer (SaveChangesAlert::Answer answer)
    {
        auto* alert = window->getSaveChangesAlert();
        ASSERT_NE (alert, nullptr);
        alert->exitModalState (answer);
        pumpMessages();
    }

    EditorWindow* window = nullptr;
    ScriptedFileChooser chooser;
    juce::File folder = testDirectory (
        "editor-window/" + juce::String (::testing::UnitTest::GetInstance()->current_test_info()->name()));
};
} // namespace

TEST_F (EditorWindowTest, SaveInANeverSavedWindowAsksSaveToFileAlwaysAsksAndSaveWritesTheLastFileLoaded)
{
    run (KestrinOrbEditorApplication::saveCommand);

    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (chooser.requests[0].wildcard, "*.orp");
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
    EXPECT_EQ (window->getName(), appName + " - b");
    EXPECT_EQ (lastDirectory, folder); // opening does not move the shared folder

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

    expectShows (live);
    EXPECT_EQ (lastDirectory, folder);

    const auto before = readBytes (live);
    editPreset();
    run (KestrinOrbEditorApplication::saveCommand);

    EXPECT_EQ (chooser.requests.size(), 1u);
    EXPECT_NE (readBytes (live), before);

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
    EXPECT_EQ (describe (alerts[0]), "File Error. Error Saving unwritable.orp\r\n File Not Written");
    expectShows (live);
    EXPECT_EQ (lastDirectory, folder);
    EXPECT_FALSE (blocker.getChildFile ("unwritable.orp").exists());

    // With the current file gone, "Save" asks instead.
    dismissAlerts();
    ASSERT_TRUE (live.deleteFile());
    run (KestrinOrbEditorApplication::saveCommand);
    EXPECT_EQ (chooser.requests.size(), 3u);
}

// The added ".orp" and "Overwrite" are driven end to end (e2e/save_as.sh); here a name with an
// extension of its own, and "Cancel" at the question.
TEST_F (EditorWindowTest, SaveAsKeepsATypedExtensionAndDoesNotReplaceAFileWhenCancelled)
{
    const auto live = folder.getChildFile ("live.orp");
    ASSERT_TRUE (engine->savePresetFile (live));

    const auto dotted = folder.getChildFile ("live.v2");
    chooser.answerWith (dotted);
    run (KestrinOrbEditorApplication::saveAsCommand);
    EXPECT_EQ (window->getCurrentFile(), dotted);
    EXPECT_EQ (dotted.getSize(), 316);

    editPreset();
    const auto before = readBytes (live);
    chooser.answerWith (folder.getChildFile ("live"));
    run (KestrinOrbEditorApplication::saveAsCommand);
    const auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_EQ (alerts[0]->getName(), "File already exists");
    EXPECT_TRUE (describe (alerts[0]).contains (live.getFullPathName()));
    alerts[0]->exitModalState (0);
    pumpMessages();
    EXPECT_EQ (readBytes (live), before);
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

TEST_F (EditorWindowTest, EditsAndLoadsAreUndoStepsNamedInTheEditMenuAndUndoShowsTheStoredValues)
{
    using Commands = KestrinOrbEditorApplication;
    const auto original = knobCC (2);
    EXPECT_FALSE (isEnabled (Commands::undoCommand));
    EXPECT_FALSE (isEnabled (Commands::redoCommand));
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo");

    editKnobCC (2, (original + 5) % 128);
    editKnobCC (2, 200); // refused by the group: no step
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Knob 3 CC");
    EXPECT_TRUE (isEnabled (Commands::undoCommand));

    run (Commands::undoCommand);
    EXPECT_EQ (knobCC (2), original);
    EXPECT_FALSE (isEnabled (Commands::undoCommand));
    EXPECT_EQ (commandInfo (Commands::redoCommand).shortName, "Redo Knob 3 CC");
    // ctrl+Y is pressed end to end (e2e/unsaved_changes.sh), with the widgets following undo and redo.
    EXPECT_TRUE (commandInfo (Commands::redoCommand)
                     .defaultKeypresses.contains (juce::KeyPress (
                         'z', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0)));

    run (Commands::redoCommand);
    EXPECT_EQ (knobCC (2), (original + 5) % 128);

    // A file load is one step and can be taken back as a whole.
    const auto other = makeEngine();
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 2, "CC", 99, false);
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 7, "CC", 98, false);
    const auto file = folder.getChildFile ("other.orp");
    ASSERT_TRUE (other->savePresetFile (file));
    ASSERT_TRUE (window->loadFile (file));
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Load File");
    run (Commands::undoCommand);
    EXPECT_EQ (knobCC (2), (original + 5) % 128);
    EXPECT_NE (knobCC (7), 98);

    // Single-instance sections and the MIDI-to-DIN flags are named as their views show them.
    auto* din = engine->getControl (ControlType::controlsToMidiDin);
    engine->setControlParameter (ControlType::controlsToMidiDin, "Knobs Midi To DIN",
                                 (std::uint8_t) (din->getParameterValue ("Knobs Midi To DIN") == 0 ? 1 : 0), false);
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Knobs Midi To DIN");
    auto* keybed = engine->getControl (ControlType::keybed);
    engine->setControlParameter (ControlType::keybed, "Split Point",
                                 (std::uint8_t) ((keybed->getParameterValue ("Split Point") + 1) % 24), false);
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Keybed Split Point");
}

// What counts as changed after undo and redo is PresetHistoryTest.ChangedMeansOtherBytes...'s;
// here the window's edits, saves and loads reach its history.
TEST_F (EditorWindowTest, AnEditChangesTheWindowAndASaveOrALoadMakesItUnchanged)
{
    EXPECT_FALSE (window->hasUnsavedChanges());
    editKnobCC (0, (knobCC (0) + 1) % 128);
    EXPECT_TRUE (window->hasUnsavedChanges());

    chooser.answerWith (folder.getChildFile ("saved.orp"));
    window->save();
    EXPECT_FALSE (window->hasUnsavedChanges());
    window->undo();
    EXPECT_TRUE (window->hasUnsavedChanges());

    ASSERT_TRUE (window->loadFile (folder.getChildFile ("saved.orp")));
    EXPECT_FALSE (window->hasUnsavedChanges());
}

TEST_F (EditorWindowTest, ClosingAChangedWindowAsksOnceAndACancelledSaveKeepsIt)
{
    editKnobCC (0, (knobCC (0) + 1) % 128);
    window->closeButtonPressed();
    ASSERT_NE (window->getSaveChangesAlert(), nullptr);
    EXPECT_EQ (describe (window->getSaveChangesAlert()),
               "Unsaved Changes. Save changes to \"Untitled 1\" before closing?");

    // A second close while asking asks nothing more.
    window->closeButtonPressed();
    EXPECT_EQ (findAlerts().size(), 1u);

    answer (SaveChangesAlert::cancel);

    // "Save" in an untitled window asks for a file; cancelling that keeps the window. A save that
    // writes and closes is e2e/unsaved_changes.sh's.
    window->closeButtonPressed();
    answer (SaveChangesAlert::save);
    EXPECT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (manager.getNumWindows(), 1);
}

TEST_F (EditorWindowTest, QuittingAsksEachChangedWindowInTurnAndCancelStopsIt)
{
    auto* unchanged = openWindow (makeEngine());
    auto* second = openWindow (makeEngine());
    editKnobCC (0, (knobCC (0) + 1) % 128);
    second->getEngine()->setControlParameter (ControlType::knobs, (std::uint8_t) 1, "CC", 3, false);

    std::vector<bool> outcomes;
    const auto quit = [&] {
        manager.askToSaveAllWindows ([&outcomes] (bool mayQuit) { outcomes.push_back (mayQuit); });
    };

    quit();
    EXPECT_EQ (second->getSaveChangesAlert(), nullptr); // one question at a time, first window first
    answer (SaveChangesAlert::dontSave);
    ASSERT_NE (second->getSaveChangesAlert(), nullptr);
    EXPECT_EQ (unchanged->getSaveChangesAlert(), nullptr);
    second->getSaveChangesAlert()->exitModalState (SaveChangesAlert::cancel);
    pumpMessages();
    EXPECT_EQ (outcomes, std::vector<bool> { false });
    EXPECT_EQ (manager.getNumWindows(), 3);

    quit();
    answer (SaveChangesAlert::dontSave);
    second->getSaveChangesAlert()->exitModalState (SaveChangesAlert::dontSave);
    pumpMessages();
    EXPECT_EQ (outcomes, (std::vector<bool> { false, true }));
}

TEST_F (EditorWindowTest, CompareWithFileListsWhatDiffersAsTheViewsShowItOrNoDifferences)
{
    using Line = PresetCompareComponent::Line;
    const auto compare = [this] (const juce::File& file) {
        chooser.answerWith (file);
        run (KestrinOrbEditorApplication::compareWithFileCommand);
        const auto windows = findWindows<PresetCompareWindow>();
        return windows.size() == 1 ? windows[0] : nullptr;
    };

    const auto file = folder.getChildFile ("other.orp");
    auto other = makeEngine();
    other->applyDump (engine->buildDump (0));
    ASSERT_TRUE (other->savePresetFile (file));

    auto* same = compare (file);
    ASSERT_NE (same, nullptr);
    EXPECT_TRUE (same->getContent().getLines().empty());
    EXPECT_TRUE (same->getContent().getNoDifferencesLabel().isVisible());
    EXPECT_EQ (same->getContent().getNoDifferencesLabel().getText(), "No differences");
    delete same;

    // The name, a number and a list entry; the window's own preset stays as it was.
    const auto before = engine->buildDump (0);
    other->getControl (ControlType::presetName)->setParameterValue ("Preset Name 1", 'X', false);
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 2, "CC", (std::uint8_t) ((knobCC (2) + 7) % 128),
                                false);
    auto* pad = other->getControl (ControlType::pads, 0);
    pad->setParameterValue ("Mode", (std::uint8_t) ((pad->getParameterValue ("Mode") + 1) % 2), false);
    ASSERT_TRUE (other->savePresetFile (file));

    auto* differs = compare (file);
    ASSERT_NE (differs, nullptr);
    const auto& lines = differs->getContent().getLines();
    ASSERT_EQ (lines.size(), 3u);
    EXPECT_EQ (lines[0].section + "/" + lines[0].name, "Preset/Name");
    EXPECT_TRUE (lines[0].other.startsWith ("\"X"));
    EXPECT_EQ (lines[1],
               (Line { "Knobs", "Knob 3", "CC", juce::String (knobCC (2)), juce::String ((knobCC (2) + 7) % 128) }));
    EXPECT_EQ (lines[2].section + "/" + lines[2].instance + "/" + lines[2].name, "Drum Pads/Pad 1/Mode");
    EXPECT_NE (lines[2].mine, lines[2].other);
    EXPECT_FALSE (differs->getContent().getNoDifferencesLabel().isVisible());
    EXPECT_EQ (differs->getContent().getTable().getNumRows(), 3);
    delete differs;
    EXPECT_EQ (engine->buildDump (0), before);
    EXPECT_FALSE (window->getHistory().canUndo());

    // A file that is no preset: the file error, no compare window.
    const auto broken = folder.getChildFile ("broken.orp");
    ASSERT_TRUE (broken.replaceWithText ("short"));
    EXPECT_EQ (compare (broken), nullptr);
    EXPECT_EQ (describe (window->getFileErrorAlert() != nullptr ? findAlerts().front() : nullptr),
               "File Error. Error Opening broken.orp\r\n Invalid Preset Data");
}
