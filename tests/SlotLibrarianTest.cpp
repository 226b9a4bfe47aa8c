#include "midi/LibrarianPlan.h"
#include "midi/SlotLibrarian.h"

#include "MidiTestSupport.h"
#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

// Each case names only the simulator options it changes; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using miditest::runUntil;
using Direction = SlotLibrarian::Direction;
using Payload = OrbMiniSimulator::Payload;

namespace
{
// Calls a function on every report of a librarian, to fault the device or cancel at a chosen slot.
struct OnChange : SlotLibrarian::Listener
{
    std::function<void (const SlotLibrarian&)> action;
    void librarianChanged (const SlotLibrarian& l) override { action (l); }
};

Payload payloadOfFile (const juce::File& file)
{
    const auto dump = readBytes (file);
    return dump.size() == 316 ? Payload (dump.begin() + 10, dump.end() - 1) : Payload {};
}

juce::StringArray fileNames (const juce::File& folder)
{
    juce::StringArray names; // hidden ones included
    for (const auto& f : folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*"))
        names.add (f.getFileName());
    names.sortNatural();
    return names;
}

struct Librarian : miditest::SimulatedDeviceTest
{
    // Runs a librarian to its end; the action sees every report on the way.
    std::unique_ptr<SlotLibrarian> run (Direction direction, std::vector<SlotLibrarian::Job> jobs, bool replace = false,
                                        std::function<void (SlotLibrarian&)> action = {})
    {
        auto librarian =
            std::make_unique<SlotLibrarian> (manager, direction, std::move (jobs), folder, replace, timing);
        OnChange listener;
        listener.action = [&] (const SlotLibrarian&) {
            if (action)
                action (*librarian);
        };
        librarian->addListener (&listener);
        librarian->start();
        EXPECT_TRUE (runUntil ([&] { return ! librarian->isRunning(); }, 30000));
        librarian->removeListener (&listener);
        return librarian;
    }

    // The simulator's names hold control characters and '/', which must not reach the file name.
    juce::String backupNameOf (int slot) const
    {
        OrbEditorEngine::ByteArray dump;
        dump.insertMultiple (0, 0, 10);
        dump.addArray (simulator.getSlot (slot - 1).data(), payloadSize);
        return LibrarianPlan::backupFileName (slot, LibrarianPlan::presetNameOf (dump));
    }

    // No pacing, a reply timeout that makes a slot the device does not answer fail quickly.
    OrbEditorEngine::Timing timing { 0, 0, 150 };
    // A folder of each case's own: CTest runs the cases side by side, each in its own process.
    juce::File folder =
        testDirectory ("librarian/" + juce::String (::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// The cancel of the message thread meets the transfer thread's first write.
struct LibrarianThreading : Librarian
{};
} // namespace

// Every case over the in-memory ports and over the model of the framework's Linux sequencer.
INSTANTIATE_TEST_SUITE_P (Layers, Librarian, miditest::bothPortLayers, miditest::portLayerName);
INSTANTIATE_TEST_SUITE_P (Layers, LibrarianThreading, miditest::bothPortLayers, miditest::portLayerName);

TEST_P (Librarian, BackupSavesEverySlotAsTheDeviceHoldsItAndRestorePutsEachBack)
{
    const auto backup = run (Direction::backup, SlotLibrarian::allSlots());
    EXPECT_EQ (backup->getNumSucceeded(), 24);

    // Saved by the engine, so the frame is the editor's own (PresetDump pins it).
    for (int slot = 1; slot <= 24; ++slot)
    {
        const auto file = folder.getChildFile (backupNameOf (slot));
        EXPECT_EQ (payloadOfFile (file), simulator.getSlot (slot - 1)) << slot;
        EXPECT_EQ (backup->getOutcomes()[(size_t) slot - 1].job.file, file);
    }
    EXPECT_EQ (fileNames (folder).size(), 24); // nothing else: no temporaries left behind

    // The device forgets everything; the restore puts every file back into its slot.
    for (int slot = 0; slot < 25; ++slot)
        simulator.setSlot (slot, Payload (payloadSize, 0x11));

    std::vector<SlotLibrarian::Job> jobs;
    for (const auto& entry : LibrarianPlan::assignSlots (folder))
        jobs.push_back ({ entry.slotNumber, entry.file });
    const auto restore = run (Direction::restore, jobs);
    EXPECT_EQ (restore->getNumSucceeded(), 24) << restore->describeSummary();
    for (int slot = 1; slot <= 24; ++slot)
        EXPECT_EQ (simulator.getSlot (slot - 1), payloadOfFile (restore->getOutcomes()[(size_t) slot - 1].job.file))
            << slot;
    EXPECT_EQ (simulator.getSlot (24), Payload (payloadSize, 0x11)); // the hidden 25th slot is not touched
}

TEST_P (Librarian, AFailingSlotIsListedAndTheOthersGoOn)
{
    // Slot 2 cannot be written (a folder has its name); the device stops answering during slot 3.
    folder.getChildFile (backupNameOf (2)).createDirectory();

    simulator.setOptions ({ .droppedSlots = { 2 } });
    const auto backup = run (Direction::backup, { { 1, {} }, { 2, {} }, { 3, {} }, { 4, {} } });

    ASSERT_EQ (backup->getOutcomes().size(), 4u);
    EXPECT_TRUE (backup->getOutcomes()[1].failure.startsWith ("Slot 2: cannot write"))
        << backup->getOutcomes()[1].failure;
    EXPECT_TRUE (backup->getOutcomes()[2].failure.startsWith ("Slot 3: ")) << backup->getOutcomes()[2].failure;
    EXPECT_TRUE (backup->describeSummary().startsWith ("2 slots saved, 2 failed, in " + folder.getFullPathName()
                                                       + ".\nSlot 2: "))
        << backup->describeSummary();

    // A file the editor would not load fails its slot alone.
    writeBytes (folder.getChildFile ("Slot 02 - Broken.orp"), OrbEditorEngine::ByteArray (bytes ({ 0xF0, 0xF7 })));
    simulator.setOptions ({});
    const auto before = simulator.getSlot (1);
    const auto restore = run (Direction::restore, { { 1, backup->getOutcomes()[0].job.file },
                                                    { 2, folder.getChildFile ("Slot 02 - Broken.orp") },
                                                    { 4, backup->getOutcomes()[3].job.file } });
    EXPECT_EQ (restore->getNumSucceeded(), 2);
    EXPECT_EQ (restore->getOutcomes()[1].failure, "Slot 2: Slot 02 - Broken.orp is not a preset file the editor loads");
    EXPECT_EQ (simulator.getSlot (1), before);
}

TEST_P (Librarian, CancelStopsAfterTheCurrentSlotAndLeavesNoHalfWrittenFile)
{
    // A backup's running get is dropped: slot 3 has no file, and no temporary is left.
    const auto backup = run (Direction::backup, SlotLibrarian::allSlots(), false, [] (SlotLibrarian& l) {
        if (l.getCurrentJob().slotNumber == 3)
            l.cancel();
    });
    EXPECT_TRUE (backup->wasCancelled());
    EXPECT_EQ (backup->getOutcomes().size(), 2u);
    juce::StringArray twoFiles;
    for (const auto& outcome : backup->getOutcomes())
        twoFiles.add (outcome.job.file.getFileName());
    EXPECT_EQ (fileNames (folder), twoFiles);
    EXPECT_TRUE (backup->describeSummary().endsWith ("Cancelled."));

    // A restore's running send ends first, so slot 2 holds the whole of its file and slot 3 is untouched.
    simulator.setSlot (1, Payload (payloadSize, 0x22));
    simulator.setSlot (2, Payload (payloadSize, 0x33));
    const auto file = backup->getOutcomes()[0].job.file;
    // Writes paced a little, so that the cancel comes while slot 2 is being written.
    timing.writePacingMs = 2;
    const auto restore =
        run (Direction::restore, { { 1, file }, { 2, file }, { 3, file } }, false, [] (SlotLibrarian& l) {
            if (l.getCurrentJob().slotNumber == 2 && l.getCurrentStatus().phase == TransferStatus::Phase::sending)
                l.cancel();
        });
    EXPECT_TRUE (restore->wasCancelled());
    EXPECT_EQ (restore->getNumSucceeded(), 2);
    EXPECT_EQ (simulator.getSlot (1), payloadOfFile (file));
    EXPECT_EQ (simulator.getSlot (2), Payload (payloadSize, 0x33));
}

// The cancel comes after the send's first write has gone out but before any progress report has
// said so: only the transfer itself knows, and it finishes the slot, which the summary counts.
TEST_P (LibrarianThreading, ARestoreCancelledBeforeItsProgressShowsSendingStillFinishesTheSlotItBeganWriting)
{
    simulator.setSlot (1, Payload (payloadSize, 0x22));
    const auto file = folder.getChildFile ("Slot 02 - One.orp");
    auto source = OrbEditorEngine::createForOrbMini (manager, timing);
    ASSERT_TRUE (source->savePresetFile (file));

    const auto third = simulator.getSlot (2);
    timing.writePacingMs = 1;
    SlotLibrarian restore (manager, Direction::restore, { { 2, file }, { 3, file } }, folder, false, timing);
    restore.start();
    // No message loop: the progress timer cannot run before the cancel.
    for (int waited = 0; simulator.getNumWrites() == 0 && waited < 5000; ++waited)
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    ASSERT_GT (simulator.getNumWrites(), 0);
    restore.cancel();

    ASSERT_TRUE (runUntil ([&] { return ! restore.isRunning(); }, 10000));
    EXPECT_EQ (simulator.getSlot (1), payloadOfFile (file));
    EXPECT_EQ (restore.getNumSucceeded(), 1);
    EXPECT_TRUE (restore.describeSummary().startsWith ("1 slot restored, 0 failed")) << restore.describeSummary();
    EXPECT_EQ (simulator.getSlot (2), third); // slot 3 never started
    EXPECT_EQ (restore.getOutcomes().size(), 1u);
}

TEST_P (Librarian, ABackupReplacesOlderFilesOfASlotOnlyWhenAsked)
{
    const auto old = folder.getChildFile ("Slot 01 - Old.orp");
    writeBytes (old, embeddedDefault());

    const auto refused = run (Direction::backup, { { 1, {} }, { 2, {} } });
    EXPECT_EQ (refused->getOutcomes()[0].failure, "Slot 1: Slot 01 - Old.orp is already in the folder");
    EXPECT_EQ (readBytes (old), embeddedDefault());

    const auto replaced = run (Direction::backup, { { 1, {} } }, true);
    EXPECT_TRUE (replaced->getOutcomes()[0].succeeded);
    EXPECT_FALSE (old.exists());
}

TEST (LibrarianPlan, FileNamesHoldTheTrimmedPresetNameAndFilesFindTheirSlots)
{
    EXPECT_EQ (LibrarianPlan::backupFileName (7, "Bass/Lead: *1   "), "Slot 07 - Bass_Lead_ _1.orp");
    EXPECT_EQ (LibrarianPlan::backupFileName (12, juce::String ("A\tB") + "?<>|\"\\"), "Slot 12 - A_B______.orp");
    EXPECT_EQ (LibrarianPlan::backupFileName (1, "                "), "Slot 01.orp");
    EXPECT_EQ (LibrarianPlan::backupFileName (24, ".."), "Slot 24.orp");

    const auto folder = testDirectory ("librarian-plan");
    juce::Array<juce::File> files;
    for (auto name : { "zeta.orp", "Slot 03 - B.orp", "alpha.orp", "Slot 03 - A.orp", "Slot 25.orp", "Slot 1 - x.orp",
                       "Slot 123.orp", "Slot 02.orp" })
        files.add (folder.getChildFile (name));

    const auto shown = [] (const juce::Array<juce::File>& plannedFiles) {
        juce::StringArray result;
        for (const auto& e : LibrarianPlan::assignSlots (plannedFiles))
            result.add (juce::String (e.slotNumber) + "=" + e.file.getFileName());
        return result.joinIntoString (", ");
    };

    // Prefixed files keep their slot (the first by name when two claim one); the rest fill free slots by name.
    EXPECT_EQ (shown (files), "1=alpha.orp, 2=Slot 02.orp, 3=Slot 03 - A.orp, 4=Slot 03 - B.orp, "
                              "5=Slot 1 - x.orp, 6=Slot 25.orp, 7=Slot 123.orp, 8=zeta.orp");

    // With no slot left a file is listed as slot 0, never sent.
    files.clear();
    for (int i = 0; i < 26; ++i)
        files.add (folder.getChildFile ("p" + juce::String (i).paddedLeft ('0', 2) + ".orp"));
    EXPECT_TRUE (shown (files).endsWith (", 24=p23.orp, 0=p24.orp, 0=p25.orp")) << shown (files);
}
