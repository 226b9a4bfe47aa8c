// orbpreset's device commands, run as a program over a simulated controller (tests/simulated).

#include "PresetTestSupport.h"
#include "ToolRunSupport.h"

#include "midi/LibrarianPlan.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#ifdef ORBPRESET_SIMULATED_PATH

namespace
{
// How a run ended with its standard output kept apart from its standard error: in a file, or in
// a pipe whose reading end is closed, where a write kills a program that does not expect it.
struct SeparateRun
{
    bool killed = false;
    int exitCode = -1;
    juce::String out, err;

    static SeparateRun of (const juce::StringArray& command, const juce::File& folder, bool outputToClosedPipe)
    {
        std::vector<std::string> words;
        for (const auto& word : command)
            words.push_back (word.toStdString());
        std::vector<char*> argv;
        for (auto& word : words)
            argv.push_back (word.data());
        argv.push_back (nullptr);

        const auto outFile = folder.getChildFile ("stdout.txt"), errFile = folder.getChildFile ("stderr.txt");
        const auto outPath = outFile.getFullPathName().toStdString(), errPath = errFile.getFullPathName().toStdString();
        int closedPipe[2] = { -1, -1 };
        if (outputToClosedPipe && pipe (closedPipe) == 0)
            close (closedPipe[0]);

        const pid_t child = fork();
        if (child == 0)
        {
            signal (SIGPIPE, SIG_DFL);
            const int out =
                outputToClosedPipe ? closedPipe[1] : open (outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = open (errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (dup2 (out, STDOUT_FILENO) < 0 || dup2 (err, STDERR_FILENO) < 0)
                _exit (126);
            execv (argv[0], argv.data());
            _exit (127);
        }

        if (outputToClosedPipe)
            close (closedPipe[1]);

        SeparateRun result;
        int status = 0;
        if (child > 0 && waitpid (child, &status, 0) == child)
        {
            result.killed = WIFSIGNALED (status);
            result.exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : -1;
        }
        result.out = outFile.loadFileAsString();
        result.err = errFile.loadFileAsString();
        return result;
    }
};

class OrbPresetDevice : public ::testing::Test
{
protected:
    // The tool's command line; the simulator options come before "--", the tool's arguments after it.
    juce::StringArray command (juce::StringArray simulator, const juce::StringArray& args) const
    {
        juce::StringArray words { ORBPRESET_SIMULATED_PATH };
        words.addArray (simulator);
        words.addArray ({ "--slots-out", slotsDir().getFullPathName(), "--" });
        words.addArray (args);
        return words;
    }

    ToolRun run (juce::StringArray simulator, const juce::StringArray& args) const
    {
        return ToolRun::of (command (simulator, args));
    }

    juce::File slotsDir() const { return dir.getChildFile ("device"); }

    // What the simulated controller held in a slot (1 to 24) when the last run ended.
    OrbEditorEngine::ByteArray slot (int number) const
    {
        return readBytes (slotsDir().getChildFile ("slot-" + juce::String (number).paddedLeft ('0', 2) + ".bin"));
    }

    // A preset file with random values, framed as the editor writes it.
    juce::File randomPreset (const juce::String& name, int seed) const
    {
        juce::Random random (seed);
        EngineFixture fixture;
        fixture.engine->applyDump (randomDump (random));
        const auto file = dir.getChildFile (name);
        file.getParentDirectory().createDirectory();
        EXPECT_TRUE (fixture.engine->savePresetFile (file));
        return file;
    }

    juce::String path (const juce::String& name) const { return dir.getChildFile (name).getFullPathName(); }

    // A folder of each test's own: CTest runs the cases side by side, each in its own process.
    juce::File dir = testDirectory ("orbpreset-device/"
                                    + juce::String (::testing::UnitTest::GetInstance()->current_test_info()->name()));
};
} // namespace

TEST_F (OrbPresetDevice, BackupSavesEverySlotAndRestorePutsFilesBackOverALossyLink)
{
    run ({}, { "backup", "--device", "orbmini", path ("backup") }).expect (0, "24 slots saved, 0 failed");

    // A second backup into the same folder replaces nothing unless asked to.
    run ({}, { "backup", "--device", "orbmini", path ("backup") }).expect (2, "add --replace");
    run ({}, { "backup", path ("backup"), "--replace", "--device", "orbmini" }).expect (0, "24 slots saved");

    // Files go to their "Slot NN" slot, the others to the free slots by name; replies and writes get lost.
    const auto toSlot2 = randomPreset ("restore/Slot 02 - Keys.orp", 1);
    const auto toSlot1 = randomPreset ("restore/bass.orp", 2);
    run ({ "--reply-loss", "0.05", "--write-loss", "0.05" }, { "restore", "--device", "OrbMini", path ("restore") })
        .expect (0, "2 slots restored, 0 failed");
    EXPECT_EQ (slot (1), payloadOf (readBytes (toSlot1)));
    EXPECT_EQ (slot (2), payloadOf (readBytes (toSlot2)));
}

TEST_F (OrbPresetDevice, GetAndSendOneSlotAndSayWhenTheDeviceDidNotTakeIt)
{
    run ({ "--reply-loss", "0.1" }, { "get", "--device", "OrbMini Test", "3", path ("three.orp") })
        .expect (0, "Slot 3 saved as");
    EXPECT_EQ (payloadOf (readBytes (dir.getChildFile ("three.orp"))), slot (3));

    const auto preset = randomPreset ("random.orp", 4);
    run ({}, { "send", "--device", "orbmini", preset.getFullPathName(), "5" }).expect (0, "Slot 5 holds");
    EXPECT_EQ (slot (5), payloadOf (readBytes (preset)));

    // An output that leads nowhere: the get fails, it does not hang.
    run ({}, { "get", "--device", "Synth", "1", path ("none.orp") }).expect (1, "Slot 1: 305 values");
    EXPECT_FALSE (dir.getChildFile ("none.orp").exists());
}

TEST_F (OrbPresetDevice, BadUseAndUnknownDevicesExitWithTwoBeforeAnythingIsSent)
{
    run ({}, { "ports" }).expect (0, "Inputs:\n  OrbMini Test\n  Synth\nOutputs:\n  OrbMini Test\n  Synth\n");
    run ({ "--ports", "none" }, { "ports" }).expect (0, "No MIDI inputs\nNo MIDI outputs\n");

    run ({}, { "get", "3", path ("x.orp") }).expect (2, "get needs --device NAME");
    run ({}, { "get", "--device", "orbmini", "25", path ("x.orp") }).expect (2, "from 1 to 24, not \"25\"");
    run ({}, { "get", "--device", "Keystation", "1", path ("x.orp") })
        .expect (2, "no MIDI input named like \"Keystation\" is present (see orbpreset ports)");
    run ({}, { "backup", "--device", "t", path ("b") })
        .expect (2, "several MIDI ports match \"t\": OrbMini Test, Synth");
    run ({}, { "send", "--device", "orbmini", path ("missing.orp"), "1" })
        .expect (2, "is not a preset file the editor loads");
    dir.getChildFile ("empty").createDirectory();
    run ({}, { "restore", "--device", "orbmini", path ("empty") }).expect (2, "holds no preset files");
    run ({}, { "restore", "--device", "orbmini" }).expect (2, "Usage: orbpreset restore --device NAME DIR");
}

TEST_F (OrbPresetDevice, TwoIdenticalControllersAreRefusedWithTheirPortsListed)
{
    const auto twins = run ({ "--twin" }, { "get", "--device", "orbmini", "1", path ("x.orp") });
    twins.expect (2, "\"orbmini\" names more than one device; connect only the one to use:\n");
    const auto count = [&] (const juce::String& text) {
        int n = 0;
        for (int i = twins.output.indexOf (text); i >= 0; i = twins.output.indexOf (i + 1, text))
            ++n;
        return n;
    };
    EXPECT_EQ (count ("  input OrbMini Test ("), 2);
    EXPECT_EQ (count ("  output OrbMini Test ("), 2);
    EXPECT_FALSE (dir.getChildFile ("x.orp").exists());
}

// Standard output holds only what a command is for, nothing for get and backup; their progress
// goes to standard error, so a pipe that nobody reads on standard output cannot end them.
TEST_F (OrbPresetDevice, GetAndBackupWriteNothingToStandardOutputAndSurviveAClosedPipeThere)
{
    const auto backup =
        SeparateRun::of (command ({}, { "backup", "--device", "OrbMini", path ("backup") }), dir, false);
    EXPECT_EQ (backup.exitCode, 0) << backup.err;
    EXPECT_EQ (backup.out, "");
    EXPECT_TRUE (backup.err.contains ("24 slots saved, 0 failed")) << backup.err;

    const auto get = SeparateRun::of (command ({}, { "get", "--device", "OrbMini", "2", path ("two.orp") }), dir, true);
    EXPECT_FALSE (get.killed);
    EXPECT_EQ (get.exitCode, 0) << get.err;
    EXPECT_TRUE (get.err.contains ("Slot 2 saved as")) << get.err;
}

TEST_F (OrbPresetDevice, RestoreExitsWithOneNamingEachFileItDidNotSend)
{
    // 25 files, two of them for slot 3: one file finds no slot.
    randomPreset ("many/Slot 03 - First.orp", 1);
    randomPreset ("many/Slot 03 - Second.orp", 2);
    for (int i = 1; i <= 23; ++i)
        randomPreset ("many/Preset " + juce::String (i).paddedLeft ('0', 2) + ".orp", 10 + i);

    juce::StringArray leftOut;
    for (const auto& entry : LibrarianPlan::assignSlots (dir.getChildFile ("many")))
        if (entry.slotNumber == 0)
            leftOut.add (entry.file.getFileName());
    ASSERT_EQ (leftOut.size(), 1);

    const auto restore = run ({}, { "restore", "--device", "orbmini", path ("many") });
    restore.expect (1, "24 slots restored, 0 failed");
    restore.expect (1, "Not sent: " + leftOut[0]);
}

#endif
