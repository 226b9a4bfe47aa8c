#include "app/EditorWindow.h"
#include "app/KestrinOrbEditorApplication.h"
#include "app/QuitAfterWrites.h"
#include "app/SaveChangesAlert.h"
#include "app/SlotWritingAlert.h"
#include "app/WindowManager.h"
#include "midi/ControlSettingsClipboard.h"
#include "midi/LiveEditSession.h"
#include "midi/OrbEditorEngine.h"
#include "model/ControlType.h"

#include "MidiTestSupport.h"
#include "PresetTestSupport.h"
#include "ShellTestSupport.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

// Each case names only the simulator options it changes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using miditest::runFor;
using miditest::runUntil;
using Bytes = std::vector<std::uint8_t>;

namespace
{
constexpr std::uint8_t writeCommand = OrbMiniProtocol::writeCommand, requestCommand = OrbMiniProtocol::requestCommand;

struct ErrorCounter : OrbEditorEngine::Listener
{
    void midiErrorOccurred (const juce::String&) override { ++errors; }
    void fileErrorOccurred (const juce::String&) override {}
    int errors = 0;
};

// An engine live on a slot of the simulated device, without pacing (the pacing case sets its own)
// and with a short quiet time before the read-back.
struct LiveEdit : miditest::SimulatedDeviceTest
{
    void SetUp() override { engine = makeEngine ({ 0, 0, 400, 40 }); }

    void TearDown() override
    {
        if (engine != nullptr)
        {
            engine->cancelTransfers();
            engine->removeListener (&counter);
        }
        engine = nullptr;
    }

    OrbEditorEngine::Ptr makeEngine (OrbEditorEngine::Timing timing)
    {
        auto made = OrbEditorEngine::createForOrbMini (manager, timing);
        made->addListener (&counter);
        return made;
    }

    LiveEditSession& live() { return engine->getLiveEdit(); }

    Bytes payload() const
    {
        const auto dump = engine->buildDump (0);
        return { dump.begin() + 10, dump.end() - 1 };
    }

    int positionOf (ControlType type, int index, const juce::String& name) const
    {
        const auto* group = engine->getControl (type, index);
        return group->getDumpOffset() + group->getParameterIndex (name);
    }

    // Turns live editing of slot index 2 (slot 3) on and waits until the device holds the preset.
    void goLive()
    {
        ASSERT_TRUE (live().start (2));
        ASSERT_TRUE (runUntil ([this] { return live().getStatusText() == "Live: Slot 3"; }, 5000))
            << live().getStatusText();
        ASSERT_EQ (simulator.getSlot (2), payload());
    }

    // Waits until every change is written and read back.
    bool settled (int timeoutMs = 5000)
    {
        return runUntil ([this] { return ! live().hasWorkLeft(); }, timeoutMs);
    }

    void editKnobCc (int knob, int value)
    {
        engine->setControlParameter (ControlType::knobs, (std::uint8_t) knob, "CC", (std::uint8_t) value, false);
    }

    // The position of every value write since the options were last set.
    std::vector<int> writtenPositions() const
    {
        std::vector<int> positions;
        for (const auto& m : ports.getSentMessages (device))
            if (m.getRawDataSize() == OrbMiniProtocol::writeSize && m.getRawData()[6] == writeCommand)
                positions.push_back (OrbMiniProtocol::positionFrom (m.getRawData()[10], m.getRawData()[11]));
        return positions;
    }

    ErrorCounter counter;
    OrbEditorEngine::Ptr engine;
};

// The message thread changes values while the transfer thread takes them: a stream of writes
// with the device's real gap between writes.
struct LiveWritesThreading : miditest::SimulatedDeviceTest
{};
} // namespace

INSTANTIATE_TEST_SUITE_P (Layers, LiveEdit, miditest::bothPortLayers, miditest::portLayerName);
INSTANTIATE_TEST_SUITE_P (Layers, LiveWritesThreading, miditest::bothPortLayers, miditest::portLayerName);

TEST_P (LiveEdit, EveryKindOfChangeWritesOnlyThePositionsThatChanged)
{
    goLive();
    const auto cc = positionOf (ControlType::knobs, 1, "CC");

    // A widget's edit: one write.
    ports.clearSentMessages (device);
    editKnobCc (1, 42);
    ASSERT_TRUE (settled());
    EXPECT_EQ (writtenPositions(), std::vector<int> { cc });
    EXPECT_EQ (simulator.getSlot (2), payload());

    // A paste to every knob: the knobs' positions that differ, nothing else.
    ports.clearSentMessages (device);
    auto& clipboard = ControlSettingsClipboard::getInstance();
    clipboard.copy (*engine, ControlType::knobs, 1);
    ASSERT_TRUE (clipboard.pasteToAll (*engine));
    clipboard.clear();
    ASSERT_TRUE (settled());
    const auto pasted = writtenPositions();
    EXPECT_EQ (pasted.size(), 7u); // the CC of the seven other knobs
    EXPECT_EQ (simulator.getSlot (2), payload());

    // A whole preset loaded at once.
    const auto loaded = dumpOf ([] (int i) { return (i * 7 + 3) % 100; });
    ASSERT_TRUE (engine->loadPresetData (loaded));
    ASSERT_TRUE (settled());
    EXPECT_EQ (simulator.getSlot (2), payload());
    EXPECT_EQ (counter.errors, 0);
    EXPECT_EQ (live().getStatusText(), "Live: Slot 3");
}

// The window's side: the menu item, the title, undo going live, a get ending it.
TEST_P (LiveEdit, AWindowLiveOnItsSlotShowsItInTitleAndMenuUndoGoesLiveAndAGetEndsIt)
{
    EditorWindow window ("Kestrin OrbMini Editor - Untitled 1", newCanvas(), engine, nullptr, nullptr);
    juce::ApplicationCommandInfo info (KestrinOrbEditorApplication::liveEditCommand);
    const auto menuItem = [&] {
        info = juce::ApplicationCommandInfo (KestrinOrbEditorApplication::liveEditCommand);
        window.getCommandInfo (KestrinOrbEditorApplication::liveEditCommand, info);
        return info.shortName + ((info.flags & juce::ApplicationCommandInfo::isTicked) != 0 ? " (ticked)" : "");
    };

    // With no slot got from or sent to, the item asks for one.
    EXPECT_EQ (menuItem(), juce::String (juce::CharPointer_UTF8 ("Live Edit Slot\xe2\x80\xa6")));
    window.toggleLiveEdit();
    ASSERT_NE (window.getLiveEditDialog(), nullptr);
    auto& dialog = *window.getLiveEditDialog();
    dialog.getContent().getSlotSelector().getComboBox().setSelectedId (3, juce::sendNotificationSync);
    clickAndWait (dialog.getContent().getActionButton());
    ASSERT_TRUE (runUntil ([&] { return window.getLiveEditDialog() == nullptr; }, 5000));
    ASSERT_TRUE (runUntil ([&] { return live().getStatusText() == "Live: Slot 3"; }, 5000));
    EXPECT_EQ (window.getName(), "Kestrin OrbMini Editor - Untitled 1 - Live: Slot 3");
    EXPECT_EQ (window.getPresetName(), "Untitled 1");
    EXPECT_EQ (menuItem(), "Live Edit Slot 3 (ticked)");

    const auto before = payload();
    editKnobCc (4, 99);
    ASSERT_TRUE (settled());
    ASSERT_NE (simulator.getSlot (2), before);
    window.undo();
    ASSERT_TRUE (settled());
    EXPECT_EQ (simulator.getSlot (2), before);
    window.redo();
    ASSERT_TRUE (settled());
    EXPECT_EQ (simulator.getSlot (2), payload());

    // A get into the window ends it quietly; the slot got from is the one offered next.
    engine->getPreset (6);
    EXPECT_FALSE (live().isOn());
    EXPECT_EQ (window.getName(), "Kestrin OrbMini Editor - Untitled 1");
    ASSERT_TRUE (runUntil ([&] { return ! engine->isGetting(); }, 5000));
    EXPECT_EQ (menuItem(), "Live Edit Slot 7");
    EXPECT_EQ (live().getStatusText(), "");
    EXPECT_EQ (counter.errors, 0);

    // Choosing it again starts at once on that slot; choosing it once more turns it off.
    window.toggleLiveEdit();
    ASSERT_TRUE (runUntil ([&] { return live().getStatusText() == "Live: Slot 7"; }, 5000));
    window.toggleLiveEdit();
    EXPECT_FALSE (live().isOn());
    editKnobCc (0, 5);
    ASSERT_TRUE (settled());
    EXPECT_NE (simulator.getSlot (6), payload());
}

TEST_P (LiveEdit, AThousandEditsOfOneKnobCostWhatThePaceAllowsAndTheLastValueComesLast)
{
    engine = makeEngine ({ 0, 1, 400, 40 });
    goLive();
    const auto cc = positionOf (ControlType::knobs, 0, "CC");
    ports.clearSentMessages (device);

    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i)
    {
        editKnobCc (0, i % 128);
        if (i % 50 == 0)
            runFor (1); // the message loop turns now and then, as during a drag
    }
    const auto editing = std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - started);
    const auto last = (std::uint8_t) (999 % 128);

    ASSERT_TRUE (runUntil ([&] { return simulator.getSlot (2)[(size_t) cc] == last; }, 2000));
    ASSERT_TRUE (settled());
    const auto writes = writtenPositions();
    EXPECT_LE ((double) writes.size(), editing.count() / 1.0 + 3.0);
    EXPECT_TRUE (std::all_of (writes.begin(), writes.end(), [cc] (int p) { return p == cc; }));
    EXPECT_EQ (simulator.getSlot (2), payload());
}

TEST_P (LiveEdit, LostWritesAreFoundByTheReadBackAndValuesTheDeviceRefusesEndItSayingHowMany)
{
    goLive();

    simulator.setOptions ({ .writeLossRate = 0.25, .seed = 3 });
    auto writesBefore = simulator.getNumWrites();
    for (int knob = 0; knob < 8; ++knob)
        editKnobCc (knob, 100 + knob);
    ASSERT_TRUE (settled());
    EXPECT_EQ (simulator.getSlot (2), payload());
    EXPECT_GT (simulator.getNumWrites() - writesBefore, 8);
    EXPECT_TRUE (live().isOn());

    const auto first = positionOf (ControlType::knobs, 0, "CC"), second = positionOf (ControlType::knobs, 1, "CC");
    simulator.setOptions ({ .ignoredWritePositions = { first, second } });
    writesBefore = simulator.getNumWrites();
    editKnobCc (0, 1);
    editKnobCc (1, 2);
    ASSERT_TRUE (settled());
    EXPECT_FALSE (live().isOn());
    EXPECT_TRUE (live().hasFailed());
    EXPECT_EQ (live().getStatusText(), "Slot 3: 2 values not confirmed");
    EXPECT_EQ (simulator.getNumWrites() - writesBefore, 2 + 3 * 2); // then three rounds of writing again
    EXPECT_EQ (counter.errors, 1);

    // Off: edits stay in the editor.
    editKnobCc (2, 3);
    runFor (100);
    EXPECT_EQ (simulator.getNumWrites() - writesBefore, 8);
}

TEST_P (LiveEdit, UnplugOrAnotherPortEndsItWithAMidiError)
{
    goLive();
    simulator.unplug();
    ASSERT_TRUE (runUntil ([this] { return ! live().isOn(); }, 3000));
    EXPECT_EQ (live().getStatusText(), "Slot 3: the MIDI device was disconnected");
    EXPECT_EQ (counter.errors, 1);

    // Plugged back in, the device is a new one to the port manager: live editing does not resume.
    simulator.replug();
    ASSERT_TRUE (runUntil ([this] { return manager.isConnected() && manager.isOutputOpen(); }, 3000));
    EXPECT_FALSE (live().isOn());

    goLive();
    ports.addInput ("Other");
    manager.setInput ("Other");
    ASSERT_TRUE (runUntil ([this] { return ! live().isOn(); }, 3000));
    EXPECT_EQ (live().getStatusText(), "Slot 3: the MIDI port changed");
    EXPECT_EQ (counter.errors, 2);
}

// Another window's get queued before the edits runs whole: the writes wait their turn.
TEST_P (LiveEdit, WritesNeverCutIntoAnotherWindowsGet)
{
    goLive();
    auto other = makeEngine ({ 0, 0, 400, 40 });
    simulator.setOptions ({ .replyDelayMs = 1 });
    ports.clearSentMessages (device);

    other->getPreset (9);
    for (int i = 0; i < 20; ++i)
    {
        editKnobCc (3, i);
        runFor (5);
    }
    ASSERT_TRUE (runUntil ([&] { return ! other->isGetting(); }, 5000));
    ASSERT_TRUE (settled());

    std::vector<std::uint8_t> commands;
    for (const auto& m : ports.getSentMessages (device))
        if (m.getRawData()[6] == writeCommand || (m.getRawData()[6] == requestCommand && m.getRawData()[9] == 9))
            commands.push_back (m.getRawData()[6]);
    const auto firstRequest = std::find (commands.begin(), commands.end(), requestCommand);
    const auto lastRequest = std::find (commands.rbegin(), commands.rend(), requestCommand).base();
    EXPECT_EQ (std::count (firstRequest, lastRequest, writeCommand), 0);
    EXPECT_EQ (std::count (lastRequest, commands.end(), writeCommand),
               (long) std::count (commands.begin(), commands.end(), writeCommand));
    EXPECT_EQ (simulator.getSlot (2), payload());
    other->removeListener (&counter);
}

// Closing or quitting with live writes still to be checked asks as for a send; Wait closes once
// they are checked.
TEST_P (LiveEdit, ClosingOrQuittingWithLiveWritesLeftAsksAndWaitEndsOnceTheyAreChecked)
{
    juce::File lastDirectory;
    WindowManager windows (nullptr, nullptr, &lastDirectory);
    auto* window = windows.createWindow (newCanvas(), engine, {});
    goLive();

    simulator.setOptions ({ .replyDelayMs = 100 });
    editKnobCc (5, 77);
    window->closeButtonPressed();
    ASSERT_NE (window->getSaveChangesAlert(), nullptr);
    window->getSaveChangesAlert()->exitModalState (SaveChangesAlert::dontSave);
    pumpMessages (5);
    auto* alert = window->getSlotWritingAlert();
    ASSERT_NE (alert, nullptr);
    EXPECT_EQ (describe (alert), "Slot Being Written. Slot 3 is being written. Closing now leaves it incomplete.");
    EXPECT_FALSE (live().isOn());

    alert->exitModalState (SlotWritingAlert::wait);
    ASSERT_TRUE (runUntil ([&] { return windows.getNumWindows() == 0; }, 5000));
    EXPECT_EQ (simulator.getSlot (2), payload());
    EXPECT_FALSE (live().hasWorkLeft());

    // Quitting asks the same, and quits once they are checked.
    windows.createWindow (newCanvas(), engine, {});
    goLive();
    editKnobCc (5, 78);
    int quits = 0;
    QuitAfterWrites guard ([&quits] { ++quits; });
    guard.quitUnlessWritingSlots (&windows);
    ASSERT_NE (guard.getAlert(), nullptr);
    EXPECT_EQ (quits, 0);
    guard.getAlert()->exitModalState (SlotWritingAlert::wait);
    ASSERT_TRUE (runUntil ([&] { return quits == 1; }, 5000));
    EXPECT_EQ (simulator.getSlot (2), payload());
}

// 1000 changes of one position while a stream of writes runs with the real 8 ms gap: the device
// gets at most one write per gap, never two closer, and the last value last.
TEST_P (LiveWritesThreading, AStreamOfWritesTakesOnlyTheLatestValueAndKeepsTheRealGap)
{
    auto pending = std::make_shared<LiveEditSession::PendingWrites>();
    PresetTransfer::Settings settings;
    settings.modelByte = OrbMiniModel::modelByte;
    settings.slot = 4;
    settings.payloadSize = OrbMiniSimulator::payloadSize;
    ASSERT_EQ (settings.writeGapMs, 8);

    std::atomic<bool> ended { false };
    const auto started = std::chrono::steady_clock::now();
    pending->put (20, 0);
    const auto writes = PresetTransfer::makeWrites (settings, pending);
    manager.getTransfers().enqueue (writes, [&ended] { ended = true; });

    for (int i = 1; i <= 1000; ++i)
    {
        pending->put (20, (std::uint8_t) (i % 128));
        if (i % 10 == 0)
            std::this_thread::sleep_for (std::chrono::milliseconds (1));
    }
    const auto lastPut = std::chrono::steady_clock::now();
    ASSERT_TRUE (runUntil ([&] { return ended.load(); }, 3000));
    ASSERT_TRUE (simulator.waitUntilIdle (1000));

    const auto arrivals = simulator.getArrivals();
    ASSERT_FALSE (arrivals.empty());
    using Ms = std::chrono::duration<double, std::milli>;
    for (size_t i = 1; i < arrivals.size(); ++i)
        EXPECT_GE (Ms (arrivals[i].time - arrivals[i - 1].time).count(), 7.9);
    const auto spanMs = Ms (lastPut - started).count();
    EXPECT_LE ((double) arrivals.size(), spanMs / 8.0 + 2.0);
    EXPECT_EQ (simulator.getSlot (4)[20], 1000 % 128);
    EXPECT_LE (Ms (arrivals.back().time - lastPut).count(), 50.0);
    EXPECT_EQ (writes->getProgress().phase, PresetTransfer::Phase::succeeded);
}
