#include "app/EditorWindow.h"
#include "app/PresetCompareWindow.h"
#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "model/ControlType.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include "MidiTestSupport.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <random>

// Each case names only the simulator options it changes; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using miditest::bytesOf;
using miditest::runFor;
using miditest::runUntil;
using Bytes = std::vector<std::uint8_t>;
using Phase = TransferStatus::Phase;
using Kind = TransferStatus::Kind;

namespace
{
constexpr int payloadSize = 305;
const juce::String device = "OrbMini";

struct ErrorCounter : OrbEditorEngine::Listener
{
    void midiErrorOccurred (const juce::String& message) override { ++errors; EXPECT_TRUE (message.isEmpty()); }
    void fileErrorOccurred (const juce::String&) override {}
    int errors = 0;
};

// Every status an engine reports, as a dialog would see them.
struct StatusLog : OrbEditorEngine::TransferListener
{
    void transferChanged (const TransferStatus& status) override { statuses.push_back (status); }

    bool saw (const juce::String& text) const
    {
        return std::any_of (statuses.begin(), statuses.end(), [&] (const TransferStatus& s) { return s.describe() == text; });
    }

    std::vector<TransferStatus> statuses;
};

Bytes payloadOf (const OrbEditorEngine::ByteArray& dump)
{
    return Bytes (dump.begin() + 10, dump.end() - 1);
}

Bytes payloadOf (const OrbEditorEngine& engine)
{
    return payloadOf (engine.buildDump (0));
}

// A preset unlike both the engine's start and the simulator's slots.
OrbEditorEngine::ByteArray patternDump (int seed)
{
    OrbEditorEngine::ByteArray dump;
    dump.insertMultiple (0, 0, 10);
    for (int i = 0; i < payloadSize; ++i)
        dump.add ((std::uint8_t) ((i * 5 + seed) % 100));
    dump.add (0xF7);
    return dump;
}

// The shortest gap, in milliseconds, between consecutive messages of a command.
double shortestGapMs (const std::vector<OrbMiniSimulator::Arrival>& arrivals, std::uint8_t command)
{
    double shortest = 1.0e9;
    for (size_t i = 1; i < arrivals.size(); ++i)
        if (arrivals[i].command == command && arrivals[i - 1].command == command)
            shortest = std::min (shortest, std::chrono::duration<double, std::milli> (arrivals[i].time - arrivals[i - 1].time).count());
    return shortest;
}

struct EngineTransfer : ::testing::Test
{
    // No pacing, a reply timeout long enough that a loaded machine never starts a second pass by
    // accident, and a short quiet time between transfers.
    explicit EngineTransfer (OrbEditorEngine::Timing t = { 0, 0, 1000, 5 }) : timing (t) {}

    void SetUp() override
    {
        manager.setInput (device);
        manager.setOutput (device);
        restartEngine();
    }

    // A fresh engine in place of the current one, as a new window makes one.
    void restartEngine()
    {
        if (engine != nullptr)
        {
            engine->removeListener (&errors);
            engine->removeTransferListener (&log);
        }
        engine = makeEngine (manager);
        engine->addListener (&errors);
        engine->addTransferListener (&log);
    }

    OrbEditorEngine::Ptr makeEngine (MidiManager& midi)
    {
        return new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24, timing);
    }

    void TearDown() override
    {
        if (engine != nullptr)
        {
            engine->removeListener (&errors);
            engine->removeTransferListener (&log);
        }
        engine = nullptr;
        simulator.waitUntilIdle (2000);
        runFor (10);   // let queued news meet their dead engine
    }

    std::vector<juce::MidiMessage> sent() const { return ports.getSentMessages (device); }

    bool finish (int timeoutMs = 5000)
    {
        return runUntil ([this] { return ! engine->isGetting() && ! engine->isSending(); }, timeoutMs);
    }

    TransferStatus lastStatus (Kind kind) const { return engine->getTransferStatus (kind); }

    OrbEditorEngine::Timing timing;
    std::uint8_t modelByte = 0x3E;
    VirtualMidiPorts ports;
    MidiManager manager { ports, 20 };
    OrbMiniSimulator simulator { ports, device };
    ErrorCounter errors;
    StatusLog log;
    OrbEditorEngine::Ptr engine;
};
} // namespace

TEST_F (EngineTransfer, MessagesCarryTheirGoldenBytesAndBadSlotsOrASecondGetSendNothing)
{
    simulator.setOptions ({ .dropReplies = true });

    // Slots above 24 send nothing, nor does a get while getting.
    engine->getPreset (25);
    EXPECT_FALSE (engine->isGetting());
    EXPECT_FALSE (engine->sendPreset (200));
    EXPECT_TRUE (sent().empty());

    engine->getPreset (7);
    engine->getPreset (1);
    ASSERT_TRUE (runUntil ([this] { return sent().size() >= (size_t) payloadSize; }, 3000));
    engine->cancelTransfers();
    ASSERT_TRUE (finish());
    const auto requests = sent();
    ASSERT_EQ (requests.size(), (size_t) payloadSize);
    EXPECT_EQ (bytesOf (requests[0]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 7, 0, 0, 0xF7 }));
    EXPECT_EQ (bytesOf (requests[300]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 7, 2, 44, 0xF7 }));

    restartEngine();
    simulator.setOptions ({});
    ports.clearSentMessages (device);
    engine->applyDump (patternDump (9));
    EXPECT_TRUE (engine->sendPreset (3));
    ASSERT_TRUE (finish());
    const auto writes = sent();
    ASSERT_GE (writes.size(), (size_t) payloadSize);
    EXPECT_EQ (bytesOf (writes[0]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x64, 0x00, 0x04, 3, 0, 0, 9, 0xF7 }));
    EXPECT_EQ (bytesOf (writes[129]),
               (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x64, 0x00, 0x04, 3, 1, 1, (129 * 5 + 9) % 100, 0xF7 }));

    ports.clearSentMessages (device);
    engine->setSyncMode (true);
    engine->setSyncMode (false);
    ASSERT_EQ (sent().size(), 2u);
    EXPECT_EQ (bytesOf (sent()[0]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x67, 0x00, 0x01, 0x01, 0x01, 0xF7 }));
    EXPECT_EQ (bytesOf (sent()[1]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x67, 0x00, 0x01, 0x01, 0x00, 0xF7 }));
    EXPECT_EQ (simulator.getLastSyncMode(), 0);
}

TEST_F (EngineTransfer, GetAsksForEveryPositionOnceAndAppliesTheDevicePreset)
{
    testing::internal::CaptureStdout();
    engine->getPreset (0);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "number of gets : 0\r\nstarting get\r\n");

    ASSERT_TRUE (finish());
    const auto requests = sent();
    ASSERT_EQ (requests.size(), (size_t) payloadSize);
    for (int p = 0; p < payloadSize; ++p)
    {
        const auto* b = requests[(size_t) p].getRawData();
        EXPECT_EQ (b[10] * 128 + b[11], p);
    }
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
    EXPECT_EQ (errors.errors, 0);
    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::succeeded);
    EXPECT_TRUE (log.saw ("Getting slot 1: 0 of 305"));

    // A reply after the get has ended changes nothing.
    ports.deliverNow (device, OrbMiniSimulator::makeReply (0, 99));
    runFor (20);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
}

TEST_F (EngineTransfer, VerifyWritesAgainWhatTheDeviceMissedAndNamesWhatNeverArrived)
{
    // Writes lost at random are written again until the device holds them.
    simulator.setOptions ({ .writeLossRate = 0.1, .seed = 7 });
    engine->applyDump (patternDump (5));
    ASSERT_TRUE (engine->sendPreset (2));
    ASSERT_TRUE (finish());
    EXPECT_EQ (lastStatus (Kind::send).phase, Phase::succeeded);
    EXPECT_EQ (simulator.getSlot (2), payloadOf (patternDump (5)));
    EXPECT_GT (simulator.getNumWrites(), payloadSize);
    EXPECT_TRUE (log.saw ("Sending slot 3: 0 of 305"));

    // Positions the device never stores fail the send after three rounds of writing again, naming
    // the parameters as the views show them.
    auto ccPosition = [this] (int knob)
    {
        const auto* group = engine->getControl (knobType, knob);
        return group->getDumpOffset() + group->getParameterIndex ("CC");
    };
    simulator.setOptions ({ .ignoredWritePositions = { ccPosition (0), ccPosition (1) } });
    engine->applyDump (patternDump (6));
    const auto writesBefore = simulator.getNumWrites();
    ASSERT_TRUE (engine->sendPreset (2));
    ASSERT_TRUE (finish());
    EXPECT_EQ (lastStatus (Kind::send).phase, Phase::failed);
    EXPECT_EQ (lastStatus (Kind::send).failure, "Slot 3: 2 values did not arrive: Knobs / Knob 1 / CC, Knobs / Knob 2 / CC");
    EXPECT_EQ (simulator.getNumWrites() - writesBefore, payloadSize + 3 * 2);
    EXPECT_EQ (errors.errors, 1);
}

TEST_F (EngineTransfer, RepeatedPassesAskOnlyForWhatIsMissingAndKeepWhatArrived)
{
    // Lossy: about one reply in ten lost, yet every get completes and is exact.
    timing.replyTimeoutMs = 50;
    for (unsigned seed : { 1u, 2u, 3u })
    {
        simulator.setOptions ({ .replyLossRate = 0.1, .seed = seed });
        restartEngine();
        const auto requestsBefore = simulator.getNumRequests();
        engine->getPreset ((std::uint8_t) seed);
        ASSERT_TRUE (finish());
        EXPECT_EQ (payloadOf (*engine), simulator.getSlot ((int) seed)) << "seed " << seed;
        EXPECT_LT (simulator.getNumRequests() - requestsBefore, payloadSize + 60) << "seed " << seed;
    }

    // Two positions that never answer: each later pass asks for those two only, and the get
    // fails naming how many did not arrive, the preset unchanged.
    timing.replyTimeoutMs = 30;
    restartEngine();
    simulator.setOptions ({ .droppedPositions = { 17, 300 } });
    engine->applyDump (patternDump (4));
    const auto requestsBefore = simulator.getNumRequests();
    engine->getPreset (0);
    ASSERT_TRUE (finish());
    EXPECT_EQ (simulator.getNumRequests() - requestsBefore, payloadSize + 8 * 2);
    EXPECT_EQ (lastStatus (Kind::get).failure, "Slot 1: 2 values did not arrive");
    EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (4)));
    EXPECT_EQ (errors.errors, 1);
}

TEST_F (EngineTransfer, MalformedAndOutOfRangeRepliesDoNotCount)
{
    timing.replyTimeoutMs = 20;

    for (int length : { 12, 14 })
    {
        restartEngine();
        simulator.setOptions ({ .replyLength = length });
        engine->applyDump (patternDump (2));
        engine->getPreset (0);
        ASSERT_TRUE (finish());
        EXPECT_EQ (lastStatus (Kind::get).phase, Phase::failed) << "reply length " << length;
        EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (2))) << "reply length " << length;
    }

    // Duplicates and positions past the payload do not make up for a position never answered.
    timing.replyTimeoutMs = 1000;
    restartEngine();
    simulator.setOptions ({ .droppedPositions = { 17 }, .duplicateReplies = true });
    const auto requestsBefore = simulator.getNumRequests();
    engine->getPreset (0);
    ASSERT_TRUE (runUntil ([&] { return simulator.getNumRequests() - requestsBefore == payloadSize; }, 3000));
    simulator.waitUntilIdle (2000);
    ports.deliverNow (device, OrbMiniSimulator::makeReply (305, 1));
    ports.deliverNow (device, OrbMiniSimulator::makeReply (383, 1));   // 2 * 128 + 127
    runFor (15);
    EXPECT_TRUE (engine->isGetting());

    ports.deliverNow (device, OrbMiniSimulator::makeReply (17, simulator.getSlot (0)[17]));
    ASSERT_TRUE (finish (1000));
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
}

TEST_F (EngineTransfer, WithoutBothPortsEveryTransferFailsAtOnceAndSendsNothing)
{
    ports.addOutput ("Out");
    ports.addInput ("In");
    MidiManager outputOnly (ports), inputOnly (ports);
    outputOnly.setOutput ("Out");
    inputOnly.setInput ("In");

    for (auto* midi : { &outputOnly, &inputOnly })
    {
        auto lonely = makeEngine (*midi);
        ErrorCounter lonelyErrors;
        StatusLog lonelyLog;
        lonely->addListener (&lonelyErrors);
        lonely->addTransferListener (&lonelyLog);

        lonely->getPreset (2);
        EXPECT_FALSE (lonely->sendPreset (2));
        lonely->setSyncMode (true);
        EXPECT_FALSE (lonely->isGetting());
        EXPECT_EQ (lonelyErrors.errors, 3);
        const auto expected = midi == &outputOnly ? "Slot 3: no MIDI input is open" : "Slot 3: no MIDI output is open";
        EXPECT_EQ (lonely->getTransferStatus (Kind::get).failure, expected);
        EXPECT_EQ (lonely->getTransferStatus (Kind::send).failure, expected);
        lonely->removeListener (&lonelyErrors);
        lonely->removeTransferListener (&lonelyLog);
    }

    EXPECT_EQ (ports.getNumSentMessages ("Out"), 0);
}

TEST_F (EngineTransfer, ADeviceUnpluggedDuringATransferEndsItWithAMidiError)
{
    for (auto kind : { Kind::get, Kind::send })
    {
        simulator.replug();
        manager.setInput (device);
        manager.setOutput (device);
        ASSERT_TRUE (runUntil ([this] { return manager.isConnected() && manager.isOutputOpen(); }, 1000));
        restartEngine();
        errors.errors = 0;
        simulator.setOptions ({ .unplugAfterMessages = 100 });

        if (kind == Kind::get)
            engine->getPreset (6);
        else
            engine->sendPreset (6);

        ASSERT_TRUE (finish());
        EXPECT_EQ (lastStatus (kind).failure, "Slot 7: the MIDI device was disconnected");
        EXPECT_EQ (errors.errors, 1);
    }
}

TEST_F (EngineTransfer, PacingKeepsItsMinimumGapAcrossAStallOfTheSender)
{
    timing = { 2, 4, 1000, 5 };
    restartEngine();

    // The sending thread is held for 150 ms in the middle of the writes and again of the read-back.
    simulator.setOptions ({ .stallAtMessage = 100, .stallMs = 150 });
    ASSERT_TRUE (engine->sendPreset (1));
    ASSERT_TRUE (finish());
    auto arrivals = simulator.getArrivals();
    EXPECT_GE (shortestGapMs (arrivals, 0x64), 4.0);
    EXPECT_GE (shortestGapMs (arrivals, 0x65), 2.0);
    EXPECT_EQ (lastStatus (Kind::send).phase, Phase::succeeded);

    simulator.setOptions ({ .stallAtMessage = 200, .stallMs = 150 });
    engine->getPreset (1);
    ASSERT_TRUE (finish());
    EXPECT_GE (shortestGapMs (simulator.getArrivals(), 0x65), 2.0);
}

TEST_F (EngineTransfer, TransfersOfTwoWindowsTakeTurnsAndNeverMixTheirReplies)
{
    simulator.setOptions ({ .replyDelayMs = 2, .duplicateReplies = true });
    auto other = makeEngine (manager);
    StatusLog otherLog;
    other->addTransferListener (&otherLog);

    engine->getPreset (4);
    other->getPreset (9);
    ASSERT_TRUE (runUntil ([&] { return ! engine->isGetting() && ! other->isGetting(); }, 5000));

    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (4));
    EXPECT_EQ (payloadOf (*other), simulator.getSlot (9));
    EXPECT_TRUE (otherLog.saw ("Waiting for another window's transfer"));
    other->removeTransferListener (&otherLog);
}

TEST_F (EngineTransfer, CancellingStopsSendingAndLeavesThePresetAsItWas)
{
    simulator.setOptions ({ .replyDelayMs = 1 });
    timing = { 1, 1, 1000, 5 };
    restartEngine();
    engine->applyDump (patternDump (8));

    // A running get: nothing more goes out once it is cancelled.
    engine->getPreset (3);
    ASSERT_TRUE (runUntil ([this] { return simulator.getNumRequests() > 50; }, 3000));
    EXPECT_TRUE (engine->isGetting());
    engine->cancelTransfer (Kind::get);
    ASSERT_TRUE (finish());
    const auto requests = simulator.getNumRequests();
    runFor (50);
    EXPECT_EQ (simulator.getNumRequests(), requests);
    EXPECT_LT (requests, payloadSize);
    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::cancelled);
    EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (8)));

    // A send queued behind another window's get never sends anything.
    auto other = makeEngine (manager);
    other->getPreset (1);
    ASSERT_TRUE (engine->sendPreset (3));
    engine->cancelTransfer (Kind::send);
    ASSERT_TRUE (runUntil ([&] { return ! other->isGetting() && ! engine->isSending(); }, 5000));
    EXPECT_EQ (simulator.getNumWrites(), 0);
    EXPECT_EQ (errors.errors, 0);
}

namespace
{
// Replies come from the simulator's thread while the transfer thread sends and the message
// thread applies presets and updates view-like listeners.
struct EngineTransferThreading : EngineTransfer
{
    // Replies may come later than the reply timeout, but not later than the quiet time.
    EngineTransferThreading() : EngineTransfer ({ 1, 0, 25, 100 }) {}
};

// Shows the preset as a window would and lets go of the engine when told of an error.
struct WindowLike : OrbEditorEngine::Listener, Control::Listener
{
    explicit WindowLike (OrbEditorEngine::Ptr e) : engine (e)
    {
        engine->addListener (this);
        engine->addListenerToControl (this, knobType, (std::uint8_t) 0);
    }

    ~WindowLike() override { close(); }

    void close()
    {
        if (engine == nullptr)
            return;
        engine->cancelTransfers();
        engine->removeListenerFromControl (this, knobType, 0);
        engine->removeListener (this);
        engine = nullptr;
    }

    void midiErrorOccurred (const juce::String&) override { ++errors; close(); }
    void fileErrorOccurred (const juce::String&) override {}
    void parameterChanged (juce::String, int) override { ++updates; }

    OrbEditorEngine::Ptr engine;
    int errors = 0, updates = 0;
};
} // namespace

TEST_F (EngineTransferThreading, RepliesLaterThanTheTimeoutStillCountAndEachGetGetsItsOwnSlot)
{
    // Replies come later than the reply timeout: later passes collect what earlier ones asked for.
    simulator.setOptions ({ .replyDelayMs = 40, .duplicateReplies = true });

    for (int slot : { 2, 11 })
    {
        WindowLike window (engine);
        engine->getPreset ((std::uint8_t) slot);
        ASSERT_TRUE (finish());
        EXPECT_EQ (payloadOf (*engine), simulator.getSlot (slot));
        EXPECT_GT (window.updates, 0);
        EXPECT_EQ (window.errors, 0);
    }
}

TEST_F (EngineTransferThreading, AWindowClosingWhileRepliesAreInFlightNeverTouchesTheDeadEngine)
{
    simulator.setOptions ({ .replyDelayMs = 100, .duplicateReplies = true });

    for (int round = 0; round < 3; ++round)
    {
        auto window = std::make_unique<WindowLike> (engine);
        engine->removeListener (&errors);
        engine->removeTransferListener (&log);
        engine = nullptr;   // the window holds the only handle

        window->engine->getPreset (0);
        window->engine->sendPreset (1);
        runFor (5 + 20 * round);
        window.reset();     // the engine goes while the threads are still busy

        simulator.waitUntilIdle (2000);
        runFor (20);
        restartEngine();
    }
}

TEST_F (EngineTransferThreading, AFailedGetLetsTheWindowGoFromInsideTheErrorCall)
{
    simulator.setOptions ({ .droppedPositions = { 0 }, .duplicateReplies = true });

    auto window = std::make_unique<WindowLike> (engine);
    engine->removeListener (&errors);
    engine->removeTransferListener (&log);
    engine = nullptr;
    window->engine->getPreset (1);
    ASSERT_TRUE (runUntil ([&] { return window->errors > 0; }, 5000));
    EXPECT_EQ (window->engine, nullptr);
    EXPECT_EQ (window->errors, 1);
}

// Gets and sends of random presets against a device with random faults. Every transfer ends
// either exactly right (the device's preset applied, the slot holding the preset) or with a
// reported failure; never a wrong preset applied, never a success for a slot that differs.
TEST (TransferSoak, EveryTransferEndsExactOrReportsItsFailure)
{
    std::uint8_t modelByte = 0x3E;
    VirtualMidiPorts ports;
    MidiManager manager { ports, 10 };
    OrbMiniSimulator simulator { ports, device };
    manager.setInput (device);
    manager.setOutput (device);

    std::mt19937 random (2026);
    auto chance = [&] (double p) { return std::uniform_real_distribution<double> (0.0, 1.0) (random) < p; };
    int failures = 0, successes = 0;

    for (int run = 0; run < 200; ++run)
    {
        OrbMiniSimulator::Options faults;
        faults.seed = (unsigned) run;
        faults.replyLossRate = chance (0.5) ? 0.05 : 0.0;
        faults.writeLossRate = chance (0.3) ? 0.05 : 0.0;
        faults.duplicateReplies = chance (0.2);
        faults.replyDelayMs = chance (0.2) ? 3 : 0;
        faults.unplugAfterMessages = chance (0.05) ? 150 : -1;
        simulator.setOptions (faults);

        if (! simulator.isPlugged())
        {
            simulator.replug();
            ASSERT_TRUE (runUntil ([&] { return manager.isConnected() && manager.isOutputOpen(); }, 2000));
        }

        OrbEditorEngine::Ptr engine = new OrbEditorEngine (&modelByte, manager, "*.orp", 24, 7, 8, 16, 24,
                                                           OrbEditorEngine::Timing { 0, 0, 15, 2 });
        const auto slot = (std::uint8_t) (random() % 24);
        OrbEditorEngine::ByteArray preset;
        preset.insertMultiple (0, 0, 10);
        for (int i = 0; i < payloadSize; ++i)
            preset.add ((std::uint8_t) (random() % 128));
        preset.add (0xF7);
        engine->applyDump (preset);

        const bool isGet = run % 2 == 0;
        const auto before = simulator.getSlot (slot);
        if (isGet)
            engine->getPreset (slot);
        else
            engine->sendPreset (slot);

        ASSERT_TRUE (runUntil ([&] { return ! engine->isGetting() && ! engine->isSending(); }, 20000)) << "run " << run;
        const auto status = engine->getTransferStatus (isGet ? Kind::get : Kind::send);
        const auto held = payloadOf (*engine);

        if (status.phase == Phase::succeeded)
        {
            ++successes;
            EXPECT_EQ (held, isGet ? before : simulator.getSlot (slot)) << "run " << run;
            if (! isGet)
            {
                EXPECT_EQ (simulator.getSlot (slot), payloadOf (preset)) << "run " << run;
            }
        }
        else
        {
            ++failures;
            EXPECT_EQ (status.phase, Phase::failed) << "run " << run;
            EXPECT_TRUE (status.failure.startsWith ("Slot " + juce::String (slot + 1) + ": ")) << status.failure;
            if (isGet)
            {
                EXPECT_EQ (held, payloadOf (preset)) << "run " << run;
            }
        }
    }

    EXPECT_GT (successes, 150);
    EXPECT_GT (failures, 0);
}

TEST_F (EngineTransfer, AWindowTakesAGetAsOneUndoStepAndCountsWhatItSentAsUnchanged)
{
    auto* canvas = new juce::Component();
    canvas->setSize (1200, 700);
    EditorWindow window ("Untitled", canvas, engine, nullptr, nullptr);

    engine->setControlParameter (knobType, (std::uint8_t) 0, "CC", 77, false);
    const auto edited = payloadOf (*engine);
    engine->getPreset (3);
    ASSERT_TRUE (finish());
    runFor (20);
    EXPECT_EQ (window.getHistory().getUndoName(), "Get Preset");
    EXPECT_FALSE (window.hasUnsavedChanges());
    window.undo();
    EXPECT_EQ (payloadOf (*engine), edited);
    EXPECT_TRUE (window.hasUnsavedChanges());

    // An edit made while the send runs is not on the device.
    ASSERT_TRUE (engine->sendPreset (4));
    engine->setControlParameter (knobType, (std::uint8_t) 1, "CC", 66, false);
    ASSERT_TRUE (finish());
    runFor (20);
    EXPECT_EQ (lastStatus (Kind::send).phase, Phase::succeeded);
    EXPECT_TRUE (window.hasUnsavedChanges());
    window.undo();
    EXPECT_FALSE (window.hasUnsavedChanges());
}

TEST_F (EngineTransfer, CompareWithHardwareSlotGetsIntoAScratchEngineNeverIntoTheWindowsPreset)
{
    auto* canvas = new juce::Component();
    canvas->setSize (1200, 700);
    EditorWindow window ("Kestrin OrbMini Editor - Untitled 4", canvas, engine, nullptr, nullptr);
    const auto before = payloadOf (*engine);

    auto other = makeEngine (manager);
    other->applyDump (engine->buildDump (0));
    other->setControlParameter (knobType, (std::uint8_t) 2, "CC", 99, false);
    simulator.setSlot (0, payloadOf (*other));

    const auto compareWindows = [] { return findWindows<PresetCompareWindow>(); };

    window.compareWithHardwareSlot();
    auto* dialog = window.getCompareSlotDialog();
    ASSERT_NE (dialog, nullptr);
    window.compareWithHardwareSlot();   // one dialog at a time
    EXPECT_EQ (window.getCompareSlotDialog(), dialog);

    dialog->buttonClicked (&dialog->getContent().getActionButton());
    ASSERT_TRUE (runUntil ([&] { return ! compareWindows().empty(); }, 5000));
    EXPECT_EQ (window.getCompareSlotDialog(), nullptr);

    auto* compare = compareWindows().front();
    EXPECT_EQ (compare->getName(), "Compare Untitled 4 With Slot 1");
    const auto mine = juce::String (engine->getControl (knobType, 2)->getParameterValue ("CC"));
    EXPECT_EQ (compare->getContent().getLines(),
               (std::vector<PresetCompareComponent::Line> { { "Knobs", "Knob 3", "CC", mine, "99" } }));
    EXPECT_EQ (payloadOf (*engine), before);
    EXPECT_FALSE (window.getHistory().canUndo());
    delete compare;
}
