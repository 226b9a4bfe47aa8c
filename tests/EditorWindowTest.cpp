#include "ShellTestSupport.h"

#include "app/KestrinOrbEditorApplication.h"
#include "app/PresetCompareWindow.h"
#include "app/SaveChangesAlert.h"
#include "model/ControlType.h"
#include "views/EditorComponent.h"

#include <gtest/gtest.h>

namespace
{
class EditorWindowTest : public ::testing::Test, protected WindowFixture
{
protected:
    void SetUp() override { window = openWindow (engine); }
    void TearDown() override { dismissAlerts(); }

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

    int knobCC (int index) const { return engine->getControl (ControlType::knobs, index)->getParameterValue ("CC"); }

    juce::ApplicationCommandInfo commandInfo (juce::CommandID command)
    {
        juce::ApplicationCommandInfo info (command);
        window->getCommandInfo (command, info);
        return info;
    }

    // Answers the save-changes question on screen, as its button would.
    void answer (SaveChangesAlert::Answer answer, EditorWindow* asking = nullptr)
    {
        auto* alert = (asking != nullptr ? asking : window)->getSaveChangesAlert();
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

// After loading a file from another folder, "Save" writes that file. That "Save To File" is "Save
// As", which always asks, is MainSectionViewDispatch.EachButtonReachesItsWindow's and the next case's.
TEST_F (EditorWindowTest, SaveWritesTheLastFileLoaded)
{
    const auto a = folder.getChildFile ("a.orp");
    chooser.answerWith (a);
    run (KestrinOrbEditorApplication::saveAsCommand);

    const auto otherFolder = folder.getChildFile ("other");
    ASSERT_TRUE (otherFolder.createDirectory());
    const auto b = otherFolder.getChildFile ("b.orp");
    ASSERT_TRUE (engine->savePresetFile (b));
    chooser.answerWith (b);
    juce::TextButton load ("Load From File");
    window->buttonClicked (&load);
    EXPECT_EQ (lastDirectory, folder); // opening does not move the shared folder

    const auto aBefore = readBytes (a), bBefore = readBytes (b);
    editPreset();
    run (KestrinOrbEditorApplication::saveCommand);
    EXPECT_EQ (chooser.requests.size(), 2u);
    EXPECT_EQ (readBytes (a), aBefore);
    EXPECT_NE (readBytes (b), bBefore);
}

// A typed extension of its own is kept.
TEST_F (EditorWindowTest, SaveAsNamesTheWindowAFailedSaveKeepsTitleFileAndFolderAndCancelKeepsAFile)
{
    const auto live = folder.getChildFile ("live.v2");
    chooser.answerWith (live);
    run (KestrinOrbEditorApplication::saveAsCommand);

    EXPECT_EQ (window->getCurrentFile(), live);

    // The next chooser starts where the last save went. A save into a folder that cannot exist,
    // as its parent is a plain file, is reported and keeps title, file and folder.
    const auto blocker = folder.getChildFile ("blocker");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    chooser.answerWith (blocker.getChildFile ("unwritable.orp"));
    run (KestrinOrbEditorApplication::saveAsCommand);
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_EQ (chooser.requests[1].startingDirectory, folder);

    EXPECT_EQ (shownAlerts(), "File Error. Error Saving unwritable.orp\r\n File Not Written");
    EXPECT_EQ (window->getCurrentFile(), live);
    EXPECT_EQ (window->getName(), "Kestrin OrbMini Editor - live");
    EXPECT_EQ (lastDirectory, folder);

    // With the current file gone, "Save" asks instead.
    dismissAlerts();
    ASSERT_TRUE (live.deleteFile());
    run (KestrinOrbEditorApplication::saveCommand);
    EXPECT_EQ (chooser.requests.size(), 3u);

    // "Cancel" at the question before replacing a file keeps the file. The added ".orp" and
    // "Overwrite" are e2e/save_as.sh's.
    const auto kept = folder.getChildFile ("kept.orp");
    ASSERT_TRUE (engine->savePresetFile (kept));
    editPreset();
    const auto before = readBytes (kept);
    chooser.answerWith (folder.getChildFile ("kept"));
    run (KestrinOrbEditorApplication::saveAsCommand);
    EXPECT_TRUE (shownAlerts().contains (kept.getFullPathName()));
    dismissAlerts();
    EXPECT_EQ (readBytes (kept), before);
}

TEST_F (EditorWindowTest, SyncWithoutAnInputShowsTheMidiErrorOnceUntilTheWindowCloses)
{
    run (KestrinOrbEditorApplication::setExternalSyncCommand);
    run (KestrinOrbEditorApplication::setInternalSyncCommand);

    EXPECT_EQ (shownAlerts(),
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

    // The closed window no longer listens: a failure now reaches no one.
    engine->setSyncMode (true);
    EXPECT_TRUE (findAlerts().empty());
}

TEST_F (EditorWindowTest, EditsAndLoadsAreUndoStepsNamedInTheEditMenuAndUndoShowsTheStoredValues)
{
    using Commands = KestrinOrbEditorApplication;
    const auto original = knobCC (2);
    EXPECT_NE (commandInfo (Commands::undoCommand).flags & juce::ApplicationCommandInfo::isDisabled, 0);
    editKnobCC (2, (original + 5) % 128);
    editKnobCC (2, 200); // refused by the group: no step
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Knob 3 CC");
    run (Commands::undoCommand);
    EXPECT_EQ (commandInfo (Commands::redoCommand).shortName, "Redo Knob 3 CC");

    // A file load is one step and can be taken back as a whole.
    const auto other = makeEngine();
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 2, "CC", 99, false);
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 7, "CC", 98, false);
    const auto file = folder.getChildFile ("other.orp");
    ASSERT_TRUE (other->savePresetFile (file));
    ASSERT_TRUE (window->loadFile (file));
    EXPECT_EQ (commandInfo (Commands::undoCommand).shortName, "Undo Load File");
    run (Commands::undoCommand);
    EXPECT_EQ (knobCC (2), original);
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

TEST_F (EditorWindowTest, ClosingOrQuittingAsksEachChangedWindowOnceInTurnAndCancelStopsIt)
{
    editKnobCC (0, (knobCC (0) + 1) % 128);
    window->closeButtonPressed();
    EXPECT_EQ (describe (window->getSaveChangesAlert()),
               "Unsaved Changes. Save changes to \"Untitled 1\" before closing?");

    // A second close while asking asks nothing more.
    window->closeButtonPressed();
    EXPECT_EQ (findAlerts().size(), 1u);

    // "Save" in an untitled window asks for a file; cancelling that keeps the window. "Cancel" and a
    // save that writes and closes are e2e/unsaved_changes.sh's.
    answer (SaveChangesAlert::save);
    EXPECT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (manager.getNumWindows(), 1);

    // Quitting asks the changed windows one at a time, first window first.
    auto* unchanged = openWindow (makeEngine());
    auto* second = openWindow (makeEngine());
    second->getEngine()->setControlParameter (ControlType::knobs, (std::uint8_t) 1, "CC", 3, false);

    std::vector<bool> outcomes;
    const auto quit = [&] {
        manager.askToSaveAllWindows ([&outcomes] (bool mayQuit) { outcomes.push_back (mayQuit); });
    };

    quit();
    EXPECT_EQ (second->getSaveChangesAlert(), nullptr);
    answer (SaveChangesAlert::dontSave);
    EXPECT_EQ (unchanged->getSaveChangesAlert(), nullptr);
    answer (SaveChangesAlert::cancel, second);
    EXPECT_EQ (outcomes, std::vector<bool> { false });
    EXPECT_EQ (manager.getNumWindows(), 3);

    quit();
    answer (SaveChangesAlert::dontSave);
    answer (SaveChangesAlert::dontSave, second);
    EXPECT_EQ (outcomes, (std::vector<bool> { false, true }));
}

TEST_F (EditorWindowTest, CompareWithFileListsWhatDiffersAndAFileThatFailsShowsOneFileErrorAtATime)
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
    delete differs;
    EXPECT_EQ (engine->buildDump (0), before);

    // A file that is no preset: no compare window, and one file error however often it fails. Once
    // dismissed, the box deletes its callback, so the next failure shows a box again.
    const auto broken = folder.getChildFile ("broken.set.orp");
    ASSERT_TRUE (broken.replaceWithText ("short"));
    EXPECT_EQ (compare (broken), nullptr);
    EXPECT_FALSE (window->loadFile (broken));
    EXPECT_EQ (shownAlerts(), "File Error. Error Opening broken.set.orp\r\n Invalid Preset Data");
    EXPECT_EQ (window->getName(), "Kestrin OrbMini Editor - Untitled 1");
    dismissAlerts();
    EXPECT_FALSE (window->loadFile (broken));
    EXPECT_EQ (findAlerts().size(), 1u);
}

// The keyboard in the editor: from the window itself Tab enters at the first widget and shift+Tab
// at the last, a ring marks the widget the keyboard focused (not one clicked), and ctrl+1 to
// ctrl+9 show the views.
TEST_F (EditorWindowTest, TabEntersTheEditorWithAFocusRingAndControlDigitsShowTheViews)
{
    auto* editor = newEditorComponent (engine);
    window = manager.createWindow (editor, engine, {});

    pressKeyAndWait (*window, juce::KeyPress::tabKey);
    auto* first = juce::Component::getCurrentlyFocusedComponent();
    ASSERT_TRUE (editor->isParentOf (first));
    auto& ring = editor->getFocusRing();
    EXPECT_TRUE (ring.isVisible());
    EXPECT_EQ (ring.getBounds(),
               editor->getLocalArea (first, first->getLocalBounds()).expanded (FocusRing::thickness + 1));

    // A click is the mouse's: no ring until the keyboard moves the focus again.
    clickOn (*first, { 2, 2 });
    pumpMessages (20);
    EXPECT_FALSE (ring.isVisible());

    window->grabKeyboardFocus();
    pumpMessages (20); // the desktop tells of focus changes asynchronously
    EXPECT_FALSE (ring.isVisible());
    if (auto* peer = window->getPeer())
        peer->handleKeyPress (juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0));
    EXPECT_NE (juce::Component::getCurrentlyFocusedComponent(), first);
    EXPECT_TRUE (editor->isParentOf (juce::Component::getCurrentlyFocusedComponent()));

    // From a widget the keys reach the editor on their way up, from the window through it.
    for (int view = 8; view >= 0; --view)
    {
        EXPECT_TRUE (editor->keyPressed (juce::KeyPress ('1' + view, juce::ModifierKeys::commandModifier, 0)));
        EXPECT_TRUE (editor->getView (view)->isVisible()) << view;
    }
    window->grabKeyboardFocus();
    EXPECT_TRUE (window->keyPressed (juce::KeyPress ('5', juce::ModifierKeys::commandModifier, 0)));
    EXPECT_TRUE (editor->getView (4)->isVisible());
    EXPECT_FALSE (editor->keyPressed (juce::KeyPress ('1', juce::ModifierKeys::shiftModifier, 0)));
}
