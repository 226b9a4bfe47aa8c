// orbpreset's device commands, run as a program over a simulated controller (tests/simulated).

#include "PresetTestSupport.h"
#include "ToolRunSupport.h"

#include <gtest/gtest.h>

#ifdef ORBPRESET_SIMULATED_PATH

namespace
{
class OrbPresetDevice : public ::testing::Test
{
protected:
    // Runs the tool; the simulator options come before "--", the tool's arguments after it.
    ToolRun run (juce::StringArray simulator, const juce::StringArray& args) const
    {
        juce::StringArray command { ORBPRESET_SIMULATED_PATH };
        command.addArray (simulator);
        command.addArray ({ "--slots-out", slotsDir().getFullPathName(), "--" });
        command.addArray (args);
        return ToolRun::of (command);
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

#endif
