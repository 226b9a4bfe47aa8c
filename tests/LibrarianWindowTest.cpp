// The backup and restore window over a simulated controller, opened as the menu commands open it.

#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/LibrarianWindow.h"
#include "midi/MidiManager.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct LibrarianWindowTest : ::testing::Test
{
    void SetUp() override
    {
        manager.setInput ("OrbMini");
        manager.setOutput ("OrbMini");
    }

    void TearDown() override
    {
        for (auto* window : findWindows<LibrarianWindow>())
            delete window;
        dismissAlerts();
        simulator.waitUntilIdle (2000);
        miditest::runFor (10);
    }

    LibrarianWindow* window() const { return LibrarianWindow::findOpen(); }

    bool runToEnd()
    {
        return miditest::runUntil (
            [this] {
                return window() != nullptr && window()->getContent().getLibrarian() != nullptr
                       && ! window()->getContent().getLibrarian()->isRunning();
            },
            20000);
    }

    void savePreset (const juce::String& name, int seed) const
    {
        juce::Random random (seed);
        EngineFixture fixture;
        fixture.engine->applyDump (randomDump (random));
        EXPECT_TRUE (fixture.engine->savePresetFile (folder.getChildFile (name)));
    }

    OrbEditorEngine::Timing timing { 0, 0, 200 };
    VirtualMidiPorts ports;
    MidiManager manager { ports, 20 };
    OrbMiniSimulator simulator { ports, "OrbMini" };
    ScriptedFileChooser chooser;
    juce::File folder = testDirectory (
        "librarian-window/" + juce::String (::testing::UnitTest::GetInstance()->current_test_info()->name()));
    juce::File lastDirectory = juce::File (ORBMINI_TEST_OUTPUT_DIR);
};
} // namespace

TEST_F (LibrarianWindowTest, RestoreShowsWhichFileGoesWhereAndSendsOnlyTheTickedRowsAfterConfirming)
{
    savePreset ("Slot 05 - Keys.orp", 1);
    savePreset ("bass.orp", 2);
    savePreset ("lead.orp", 3);
    const auto slot2Before = simulator.getSlot (1);

    chooser.answerWith (folder);
    LibrarianWindow::restoreSlots (manager, lastDirectory, timing);
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_EQ (chooser.requests[0].startingDirectory, juce::File (ORBMINI_TEST_OUTPUT_DIR));
    EXPECT_EQ (lastDirectory, folder);

    ASSERT_NE (window(), nullptr);
    auto& content = window()->getContent();

    // A second request while the window is open opens nothing and asks for nothing.
    LibrarianWindow::restoreSlots (manager, lastDirectory, timing);
    EXPECT_EQ (chooser.requests.size(), 1u);

    content.toggleRow (1);
    miditest::runFor (100);
    EXPECT_EQ (simulator.getNumWrites(), 0); // nothing before "Restore"

    // Each row's slot and file, in slot order, and the unticked second row. What a restored slot
    // holds is Librarian.BackupSavesEverySlot...'s.
    reference::expectComponentMatches (content, "librarian-restore-confirm");
    content.findButton ("Restore")->triggerClick();
    ASSERT_TRUE (runToEnd());

    EXPECT_EQ (simulator.getSlot (1), slot2Before);
    EXPECT_EQ (content.getRowText (0), "Slot 01  <-  bass.orp  done");

    content.findButton ("OK")->triggerClick();
    pumpMessages();
    EXPECT_EQ (window(), nullptr);
}

TEST_F (LibrarianWindowTest, BackupAsksOnceBeforeReplacingAndCancelKeepsTheWindowToShowWhereItStopped)
{
    const auto old = folder.getChildFile ("Slot 01 - Old.orp");
    writeBytes (old, embeddedDefault());

    // "Cancel" at the question: nothing is got, nothing replaced.
    chooser.answerWith (folder);
    LibrarianWindow::backUpAllSlots (manager, lastDirectory, timing);
    EXPECT_TRUE (shownAlerts().startsWith ("Replace Backup Files?")) << shownAlerts();
    dismissAlerts();
    EXPECT_EQ (window(), nullptr);
    EXPECT_EQ (simulator.getNumRequests(), 0);

    // "Replace": the backup runs; cancelled during slot 3 it stops there and says so.
    chooser.answerWith (folder);
    LibrarianWindow::backUpAllSlots (manager, lastDirectory, timing);
    ASSERT_EQ (findAlerts().size(), 1u);
    findAlerts()[0]->exitModalState (1);
    pumpMessages (1);
    ASSERT_NE (window(), nullptr);
    auto& content = window()->getContent();

    ASSERT_TRUE (miditest::runUntil ([&] { return content.getLibrarian()->getCurrentJob().slotNumber >= 3; }, 10000));
    content.findButton ("Cancel")->triggerClick();
    ASSERT_TRUE (runToEnd()); // the window stays
    EXPECT_FALSE (old.exists());
    EXPECT_TRUE (content.getRowText (0).startsWith ("Slot 01  ->  Slot 01 - ")) << content.getRowText (0);
    EXPECT_EQ (content.getRowText (23), "Slot 24");
}

// Return is "Restore" before the run and "OK" after it; escape and the title bar's close are
// "Cancel" (before the run it closes the window).
TEST_F (LibrarianWindowTest, ReturnRestoresThenClosesEscapeAndTheTitleBarCloseCancel)
{
    savePreset ("bass.orp", 4);

    chooser.answerWith (folder);
    LibrarianWindow::restoreSlots (manager, lastDirectory, timing);
    ASSERT_NE (window(), nullptr);
    pressKeyAndWait (*window(), juce::KeyPress::escapeKey);
    EXPECT_EQ (window(), nullptr);

    chooser.answerWith (folder);
    LibrarianWindow::restoreSlots (manager, lastDirectory, timing);
    ASSERT_NE (window(), nullptr);
    closeByTitleBar (*window());
    EXPECT_EQ (window(), nullptr);

    chooser.answerWith (folder);
    LibrarianWindow::restoreSlots (manager, lastDirectory, timing);
    ASSERT_NE (window(), nullptr);
    pressKeyAndWait (*window(), juce::KeyPress::returnKey);
    ASSERT_NE (window()->getContent().getLibrarian(), nullptr);
    ASSERT_TRUE (runToEnd());
    pressKeyAndWait (*window(), juce::KeyPress::returnKey);
    EXPECT_EQ (window(), nullptr);
}
