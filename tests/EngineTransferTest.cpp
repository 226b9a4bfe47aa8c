#include "app/EditorWindow.h"
#include "app/PresetCompareWindow.h"
#include "midi/OrbEditorEngine.h"
#include "model/ControlType.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include "MidiTestSupport.h"
#include "PresetTestSupport.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

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
// Counts the errors and keeps every status an engine reports, as a window and a dialog see them.
struct Watcher : OrbEditorEngine::Listener, OrbEditorEngine::TransferListener
{
    void midiErrorOccurred (const juce::String& message) override
    {
        ++errors;
        EXPECT_TRUE (message.isEmpty());
    }
    void fileErrorOccurred (const juce::String&) override {}
    void transferChanged (const TransferStatus& status) override { statuses.push_back (status); }

    void watch (OrbEditorEngine& engine, bool on = true)
    {
        on ? engine.addListener (this) : engine.removeListener (this);
        on ? engine.addTransferListener (this) : engine.removeTransferListener (this);
    }

    bool saw (const juce::String& text) const
    {
        return std::any_of (statuses.begin(), statuses.end(),
                            [&] (const TransferStatus& s) { return s.describe() == text; });
    }

    int errors = 0;
    std::vector<TransferStatus> statuses;
};

// The shortest gap, in milliseconds, between consecutive messages of a command.
double shortestGapMs (const std::vector<OrbMiniSimulator::Arrival>& arrivals, std::uint8_t command)
{
    double shortest = 1.0e9;
    for (size_t i = 1; i < arrivals.size(); ++i)
        if (arrivals[i].command == command && arrivals[i - 1].command == command)
            shortest = std::min (
                shortest, std::chrono::duration<double, std::milli> (arrivals[i].time - arrivals[i - 1].time).count());
    return shortest;
}

struct EngineTransfer : miditest::SimulatedDeviceTest
{
    // No pacing, a reply timeout long enough that a loaded machine never starts a second pass by
    // accident, and a short quiet time between transfers.
    explicit EngineTransfer (OrbEditorEngine::Timing t = { 0, 0, 1000 }) : timing (t) {}

    void SetUp() override { restartEngine(); }

    static Bytes payloadOf (const OrbEditorEngine::ByteArray& d) { return Bytes (d.begin() + 10, d.end() - 1); }
    static Bytes payloadOf (const OrbEditorEngine& engine) { return payloadOf (engine.buildDump (0)); }
    // A preset unlike both the engine's start and the simulator's slots.
    static auto patternDump (int seed)
    {
        return dumpOf ([seed] (int i) { return (i * 5 + seed) % 100; });
    }

    // A fresh engine in place of the current one, as a new window makes one.
    void restartEngine()
    {
        releaseEngine();
        engine = makeEngine (manager);
        watcher.watch (*engine);
        watcher.errors = 0;
        watcher.statuses.clear();
    }

    // Plugs an unplugged simulator back in and waits for the port manager's watch to reopen it.
    bool replugged()
    {
        if (! simulator.isPlugged())
            simulator.replug();
        return runUntil ([this] { return manager.isConnected() && manager.isOutputOpen(); }, 2000);
    }

    void releaseEngine()
    {
        if (engine != nullptr)
            watcher.watch (*engine, false);
        engine = nullptr;
    }

    OrbEditorEngine::Ptr makeEngine (MidiManager& midi) { return OrbEditorEngine::createForOrbMini (midi, timing); }
    void TearDown() override { releaseEngine(); }

    std::vector<juce::MidiMessage> sent() const { return ports.getSentMessages (device); }

    bool finish (int timeoutMs = 5000)
    {
        return runUntil ([this] { return ! engine->isGetting() && ! engine->isSending(); }, timeoutMs);
    }

    TransferStatus lastStatus (Kind kind) const { return engine->getTransferStatus (kind); }

    OrbEditorEngine::Timing timing;
    Watcher watcher;
    OrbEditorEngine::Ptr engine;
};

// A device with one kind of fault, and how a transfer of slot 3 against it ends: the failure it
// reports (none: both sides then hold the same preset) and how many requests (a get) or writes
// (a send) it took.
struct FaultyDevice
{
    const char* fault;
    OrbMiniSimulator::Options options;
    Kind kind;
    int replyTimeoutMs;
    juce::String failure;
    int fewestMessages = 0, mostMessages = 100000;
};

// Shows the preset as a window would and lets go of the engine when told of an error.
struct WindowLike : OrbEditorEngine::Listener, Control::Listener
{
    explicit WindowLike (OrbEditorEngine::Ptr e) : engine (e)
    {
        engine->addListener (this);
        engine->addListenerToControl (this, ControlType::knobs, (std::uint8_t) 0);
    }

    ~WindowLike() override { close(); }

    void close()
    {
        if (engine == nullptr)
            return;
        engine->cancelTransfers();
        engine->removeListenerFromControl (this, ControlType::knobs, 0);
        engine->removeListener (this);
        engine = nullptr;
    }

    void midiErrorOccurred (const juce::String&) override
    {
        ++errors;
        close();
    }
    void fileErrorOccurred (const juce::String&) override {}
    void parameterChanged (juce::String, int) override { ++updates; }

    OrbEditorEngine::Ptr engine;
    int errors = 0, updates = 0;
};

// Replies come from the simulator's thread while the transfer thread sends and the message
// thread applies presets and updates view-like listeners.
struct EngineTransferThreading : EngineTransfer
{
    // Replies may come later than the reply timeout.
    EngineTransferThreading() : EngineTransfer ({ 1, 0, 25 }) {}

    // A window holding the only handle to the engine.
    std::unique_ptr<WindowLike> handOverToWindow()
    {
        auto window = std::make_unique<WindowLike> (engine);
        releaseEngine();
        return window;
    }
};
} // namespace

// Every case over the in-memory ports and over the model of the framework's Linux sequencer.
INSTANTIATE_TEST_SUITE_P (Layers, EngineTransfer, miditest::bothPortLayers, miditest::portLayerName);
INSTANTIATE_TEST_SUITE_P (Layers, EngineTransferThreading, miditest::bothPortLayers, miditest::portLayerName);

TEST_P (EngineTransfer, WritesAndSyncCarryTheirGoldenBytesAndBadSlotsSendNothing)
{
    // Slots above 24 send nothing.
    engine->getPreset (25);
    EXPECT_FALSE (engine->isGetting());
    EXPECT_FALSE (engine->sendPreset (200));
    EXPECT_TRUE (sent().empty());

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
}

TEST_P (EngineTransfer, GetAsksForEveryPositionOnceAndAppliesTheDevicePreset)
{
    // A second get while one runs sends nothing.
    testing::internal::CaptureStdout();
    engine->getPreset (7);
    engine->getPreset (1);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "number of gets : 0\r\nstarting get\r\n");

    ASSERT_TRUE (finish());
    const auto requests = sent();
    ASSERT_EQ (requests.size(), (size_t) payloadSize);
    EXPECT_EQ (bytesOf (requests[0]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 7, 0, 0, 0xF7 }));
    for (int p = 0; p < payloadSize; ++p)
        EXPECT_EQ (bytesOf (requests[(size_t) p])[10] * 128 + bytesOf (requests[(size_t) p])[11], p);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (7));

    // A reply after the get has ended changes nothing.
    ports.deliverNow (device, OrbMiniSimulator::makeReply (0, 99));
    runFor (20);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (7));
}

TEST_P (EngineTransfer, FaultyDevicesAreAskedAgainForWhatIsMissingOrTheTransferFailsSayingWhy)
{
    const auto ccPosition = [this] (int knob) {
        const auto* group = engine->getControl (ControlType::knobs, knob);
        return group->getDumpOffset() + group->getParameterIndex ("CC");
    };
    const juce::String neverArrived = "Slot 3: 305 values did not arrive",
                       unplugged = "Slot 3: the MIDI device was disconnected",
                       notStored = "Slot 3: 2 values did not arrive: Knobs / Knob 1 / CC, Knobs / Knob 2 / CC";
    const OrbMiniSimulator::Options ccWritesIgnored { .ignoredWritePositions = { ccPosition (0), ccPosition (1) } };
    const int all = payloadSize;

    // Lost writes are written again; writes never stored get three more rounds, then the parameters
    // are named as the views show them; later passes of a get ask only for what is missing (8 more
    // passes for two positions never answered; duplicate replies do not make up for them).
    const FaultyDevice faultyDevices[] = {
        { "lost writes", { .writeLossRate = 0.1, .seed = 7 }, Kind::send, 1000, {}, all + 1 },
        { "writes never stored", ccWritesIgnored, Kind::send, 1000, notStored, all + 3 * 2, all + 3 * 2 },
        { "lost replies", { .replyLossRate = 0.1, .seed = 1 }, Kind::get, 50, {}, all, all + 59 },
        { "never answered, the others twice",
          { .droppedPositions = { 17, 300 }, .duplicateReplies = true },
          Kind::get,
          30,
          "Slot 3: 2 values did not arrive",
          all + 8 * 2,
          all + 8 * 2 },
        { "replies a byte short", { .replyLength = 12 }, Kind::get, 20, neverArrived },
        { "replies a byte long", { .replyLength = 14 }, Kind::get, 20, neverArrived },
        { "unplugged during a get", { .unplugAfterMessages = 100 }, Kind::get, 1000, unplugged },
        { "unplugged during a send", { .unplugAfterMessages = 100 }, Kind::send, 1000, unplugged },
    };

    int seed = 0;
    for (const auto& faulty : faultyDevices)
    {
        SCOPED_TRACE (faulty.fault);
        ASSERT_TRUE (replugged());
        simulator.setOptions (faulty.options);
        timing.replyTimeoutMs = faulty.replyTimeoutMs;
        restartEngine();
        const auto preset = patternDump (++seed); // never what the slot already holds
        engine->applyDump (preset);

        const auto isGet = faulty.kind == Kind::get;
        const auto messages = [&] { return isGet ? simulator.getNumRequests() : simulator.getNumWrites(); };
        const auto before = messages();
        if (isGet)
            engine->getPreset (2);
        else
            ASSERT_TRUE (engine->sendPreset (2));
        ASSERT_TRUE (finish());

        EXPECT_TRUE (watcher.saw (juce::String (isGet ? "Getting" : "Sending") + " slot 3: 0 of 305"));
        EXPECT_GE (messages() - before, faulty.fewestMessages);
        EXPECT_LE (messages() - before, faulty.mostMessages);
        EXPECT_EQ (lastStatus (faulty.kind).phase, faulty.failure.isEmpty() ? Phase::succeeded : Phase::failed);
        EXPECT_EQ (lastStatus (faulty.kind).failure, faulty.failure);
        EXPECT_EQ (watcher.errors, faulty.failure.isEmpty() ? 0 : 1);
        if (faulty.failure.isEmpty())
        {
            EXPECT_EQ (simulator.getSlot (2), isGet ? payloadOf (*engine) : payloadOf (preset));
        }
        else if (isGet)
        {
            EXPECT_EQ (payloadOf (*engine), payloadOf (preset)); // the preset as it was
        }
    }
}

// Replies for positions past the payload (a corrupt or foreign device) are dropped, never written
// past the preset nor counted for the one position still missing.
TEST_P (EngineTransfer, RepliesForPositionsPastThePayloadAreDroppedWhileAGetRuns)
{
    simulator.setOptions ({ .droppedPositions = { 17 } });
    const auto requestsBefore = simulator.getNumRequests();
    engine->getPreset (0);
    ASSERT_TRUE (runUntil ([&] { return simulator.getNumRequests() - requestsBefore == payloadSize; }, 3000));
    simulator.waitUntilIdle (2000);
    for (int position : { payloadSize, 2 * 128 + 127, 127 * 128 + 127 })
        ports.deliverNow (device, OrbMiniSimulator::makeReply (position, 1));
    runFor (15);
    EXPECT_TRUE (engine->isGetting());

    ports.deliverNow (device, OrbMiniSimulator::makeReply (17, simulator.getSlot (0)[17]));
    ASSERT_TRUE (finish (1000));
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
}

TEST_P (EngineTransfer, WithoutBothPortsEveryTransferFailsAtOnceAndSendsNothing)
{
    ports.addOutput ("Out");
    ports.addInput ("In");
    MidiManager outputOnly (ports), inputOnly (ports);
    outputOnly.setOutput ("Out");
    inputOnly.setInput ("In");

    for (auto* midi : { &outputOnly, &inputOnly })
    {
        auto lonely = makeEngine (*midi);
        Watcher lonelyWatcher;
        lonelyWatcher.watch (*lonely);

        lonely->getPreset (2);
        EXPECT_FALSE (lonely->sendPreset (2));
        lonely->setSyncMode (true);
        EXPECT_EQ (lonelyWatcher.errors, 3); // each call fails before it returns
        const auto expected = midi == &outputOnly ? "Slot 3: no MIDI input is open" : "Slot 3: no MIDI output is open";
        EXPECT_EQ (lonely->getTransferStatus (Kind::get).failure, expected);
        EXPECT_EQ (lonely->getTransferStatus (Kind::send).failure, expected);
        lonelyWatcher.watch (*lonely, false);
    }

    EXPECT_EQ (ports.getNumSentMessages ("Out"), 0);
}

TEST_P (EngineTransfer, PacingKeepsItsMinimumGapAcrossAStallOfTheSender)
{
    timing = { 2, 4, 1000 };
    restartEngine();

    // The sending thread is held for 150 ms in the middle of the writes and again of the read-back.
    simulator.setOptions ({ .stallAtMessage = 100, .stallMs = 150 });
    ASSERT_TRUE (engine->sendPreset (1));
    ASSERT_TRUE (finish());
    EXPECT_GE (shortestGapMs (simulator.getArrivals(), 0x64), 4.0);
    EXPECT_GE (shortestGapMs (simulator.getArrivals(), 0x65), 2.0);
    EXPECT_EQ (lastStatus (Kind::send).phase, Phase::succeeded);
}

TEST_P (EngineTransfer, TransfersOfTwoWindowsTakeTurnsAndNeverMixTheirReplies)
{
    simulator.setOptions ({ .replyDelayMs = 2, .duplicateReplies = true });
    auto other = makeEngine (manager);

    other->getPreset (9);
    engine->getPreset (4);
    ASSERT_TRUE (runUntil ([&] { return ! engine->isGetting() && ! other->isGetting(); }, 5000));

    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (4));
    EXPECT_EQ (payloadOf (*other), simulator.getSlot (9));
    EXPECT_TRUE (watcher.saw ("Waiting for another window's transfer"));

    // A send queued behind another window's get and cancelled never sends anything.
    other->getPreset (1);
    ASSERT_TRUE (engine->sendPreset (3));
    engine->cancelTransfer (Kind::send);
    ASSERT_TRUE (runUntil ([&] { return ! other->isGetting() && ! engine->isSending(); }, 5000));
    EXPECT_EQ (simulator.getNumWrites(), 0);
    EXPECT_EQ (watcher.errors, 0);
}

TEST_P (EngineTransfer, CancellingStopsSendingAndLeavesThePresetAsItWas)
{
    simulator.setOptions ({ .replyDelayMs = 1 });
    timing = { 1, 1, 1000 };
    restartEngine();
    engine->applyDump (patternDump (8));

    // A running get: nothing more goes out once it is cancelled.
    engine->getPreset (3);
    ASSERT_TRUE (runUntil ([this] { return simulator.getNumRequests() > 50; }, 3000));
    engine->cancelTransfer (Kind::get);
    ASSERT_TRUE (finish());
    const auto requests = simulator.getNumRequests();
    runFor (50);
    EXPECT_EQ (simulator.getNumRequests(), requests);
    EXPECT_LT (requests, payloadSize);
    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::cancelled);
    EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (8)));
}

// The cancel comes after the transfer thread has seen the last value arrive, but before the window
// heard of it.
TEST_P (EngineTransferThreading, AGetCancelledJustAsItsLastValueArrivesIsReportedCancelledAndMarksNothingSaved)
{
    auto window = std::make_unique<EditorWindow> ("Untitled", newCanvas(), engine, nullptr, nullptr);
    engine->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", 77, false);
    engine->announceEdit ("Knob 1 CC");
    const auto edited = payloadOf (*engine);
    ASSERT_TRUE (window->hasUnsavedChanges());

    // No message loop meanwhile: the window hears nothing before the cancel.
    engine->getPreset (3);
    for (int waited = 0; simulator.getNumRequests() < payloadSize && waited < 5000; ++waited)
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    ASSERT_TRUE (simulator.waitUntilIdle (5000));
    std::this_thread::sleep_for (std::chrono::milliseconds (100));
    ASSERT_EQ (simulator.getNumRequests(), payloadSize);
    engine->cancelTransfer (Kind::get);
    ASSERT_TRUE (finish());
    runFor (20);

    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::cancelled);
    EXPECT_EQ (payloadOf (*engine), edited);
    EXPECT_TRUE (window->hasUnsavedChanges());
    EXPECT_EQ (watcher.errors, 0);
}

// A device that stalls keeps the requests it has and answers them all later: those late replies
// carry slot 3's values, and must not be counted for the get of slot 5 that follows the cancel.
TEST_P (EngineTransfer, LateRepliesOfACancelledGetAreNeverCountedForTheNextSlot)
{
    timing = { 0, 0, 400 };
    restartEngine();
    simulator.setOptions ({ .backlogAtRequest = 1, .backlogMs = 250 });

    engine->getPreset (3);
    ASSERT_TRUE (runUntil ([this] { return simulator.getNumRequests() == payloadSize; }, 3000));
    engine->cancelTransfer (Kind::get);
    ASSERT_TRUE (finish());

    // Nor does a transfer that was cancelled before it asked anything end the wait for them.
    auto other = makeEngine (manager);
    other->getPreset (1);
    runFor (30); // it waits for the silence, which its cancel ends
    other->cancelTransfer (Kind::get);
    ASSERT_TRUE (runUntil ([&] { return ! other->isGetting(); }, 3000));

    engine->getPreset (5);
    ASSERT_TRUE (finish (10000));
    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::succeeded);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (5));
}

// With a reply timeout far longer than the test, the lost replies are asked for again as soon as
// the device has stopped answering, not when the timer runs out; a device that answers nothing
// still gets the whole timer each pass.
TEST_P (EngineTransfer, ALossyDeviceIsAskedAgainAsSoonAsItsRepliesStop)
{
    timing = { 0, 0, 60000 };
    restartEngine();
    simulator.setOptions ({ .replyLossRate = 0.05, .seed = 4 });

    engine->getPreset (6);
    ASSERT_TRUE (finish (20000));
    EXPECT_EQ (lastStatus (Kind::get).phase, Phase::succeeded);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (6));
    EXPECT_GT (simulator.getNumRequests(), payloadSize);
}

TEST_P (EngineTransfer, ASilentDeviceGetsTheWholeReplyTimeBeforeBeingAskedAgain)
{
    timing = { 0, 0, 60000 };
    restartEngine();
    simulator.setOptions ({ .dropReplies = true });

    engine->getPreset (6);
    runFor (400);
    EXPECT_TRUE (engine->isGetting());
    EXPECT_EQ (simulator.getNumRequests(), payloadSize);
    engine->cancelTransfer (Kind::get);
    ASSERT_TRUE (finish());
}

TEST_P (EngineTransferThreading, LateRepliesStillCountForTheirGetButNeverForTheNextSlot)
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

TEST_P (EngineTransferThreading, AWindowLettingGoWhileRepliesAreInFlightOrFromItsErrorCallNeverTouchesTheDeadEngine)
{
    simulator.setOptions ({ .replyDelayMs = 100, .duplicateReplies = true });

    for (int round = 0; round < 3; ++round)
    {
        auto window = handOverToWindow();
        window->engine->getPreset (0);
        window->engine->sendPreset (1);
        runFor (5 + 20 * round);
        window.reset(); // the engine goes while the threads are still busy

        simulator.waitUntilIdle (2000);
        runFor (20);
        restartEngine();
    }

    // A failed get: the window lets go from inside the error call.
    simulator.setOptions ({ .droppedPositions = { 0 }, .duplicateReplies = true });
    auto window = handOverToWindow();
    window->engine->getPreset (1);
    ASSERT_TRUE (runUntil ([&] { return window->errors > 0; }, 5000));
    EXPECT_EQ (window->engine, nullptr);
    EXPECT_EQ (window->errors, 1);
}

// Gets and sends of random presets, from a window with an unsaved edit, against a device with
// random faults, interrupted at random moments: a cancel, the window closing, the port chosen
// again, the device unplugged and plugged back. Every transfer ends either exactly right (the
// device's preset applied, the slot holding the preset, the window unchanged) or says that it did
// not; never a wrong preset applied, never a success or an unchanged window claimed falsely, and a
// slot is touched by a send only if the send succeeded or said that it left the slot incomplete.
TEST_P (EngineTransfer, SoakEveryTransferEndsExactOrSaysWhatItLeftBehind)
{
    timing = { 0, 0, 15 };
    std::mt19937 random (2026);
    auto chance = [&] (double p) { return std::uniform_real_distribution<double> (0.0, 1.0) (random) < p; };
    auto upTo = [&] (int most) { return (int) (random() % (unsigned) (most + 1)); };
    int failures = 0, successes = 0, interrupted = 0;

    for (int run = 0; run < 200; ++run)
    {
        simulator.setOptions ({ .replyDelayMs = chance (0.2) ? 3 : 0,
                                .duplicateReplies = chance (0.2),
                                .unplugAfterMessages = chance (0.05) ? 150 : -1,
                                .replyLossRate = chance (0.5) ? 0.05 : 0.0,
                                .writeLossRate = chance (0.3) ? 0.05 : 0.0,
                                .seed = (unsigned) run,
                                .backlogAtRequest = chance (0.1) ? upTo (300) : -1,
                                .backlogMs = 10 });
        ASSERT_TRUE (replugged());
        restartEngine();
        const auto slot = (std::uint8_t) (random() % 24);
        engine->applyDump (dumpOf ([&] (int) { return (int) (random() % 128); }));
        auto window = std::make_unique<EditorWindow> ("Untitled", newCanvas(), engine, nullptr, nullptr);
        const auto cc = engine->getControl (ControlType::knobs, 0)->getParameterValue ("CC");
        engine->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", (std::uint8_t) ((cc + 1) % 128),
                                     false);
        engine->announceEdit ("Knob 1 CC");
        const auto preset = payloadOf (*engine);

        const bool isGet = run % 2 == 0;
        const auto kind = isGet ? Kind::get : Kind::send;
        const auto before = simulator.getSlot (slot);
        isGet ? engine->getPreset (slot) : (void) engine->sendPreset (slot);

        // The interruption, some time into the transfer.
        const auto interruption = upTo (9);
        bool closed = false;
        runFor (upTo (30));

        if (interruption == 0)
            engine->cancelTransfer (kind);
        else if (interruption == 1)
        {
            // Closing the window: what may stop at once stops, a slot being written is waited for.
            closed = engine->cancelTransferUnlessWriting (kind);
            if (closed)
            {
                window.reset();
                releaseEngine();
            }
        }
        else if (interruption == 2)
            manager.setInput (device);
        else if (interruption == 3)
        {
            simulator.unplug();
            runFor (upTo (30));
            simulator.replug();
        }
        interrupted += interruption <= 3 ? 1 : 0;

        if (closed)
        {
            // No window hears the end any more: the slot holds either what it held or, when the
            // send had already succeeded, the whole preset; never a part of each.
            ASSERT_TRUE (runUntil ([this] { return ! manager.getTransfers().isBusy(); }, 20000)) << "run " << run;
            simulator.waitUntilIdle (2000);
            const auto device = simulator.getSlot (slot);
            EXPECT_TRUE (device == before || (! isGet && device == preset)) << "run " << run;
            continue;
        }

        ASSERT_TRUE (finish (20000)) << "run " << run;
        runFor (5);
        const auto status = lastStatus (kind);
        const auto held = payloadOf (*engine);
        const auto device = simulator.getSlot (slot);

        if (status.phase == Phase::succeeded)
        {
            ++successes;
            EXPECT_EQ (held, isGet ? before : preset) << "run " << run;
            EXPECT_EQ (device, held) << "run " << run;
            EXPECT_FALSE (window->hasUnsavedChanges()) << "run " << run;
            continue;
        }

        ++failures;
        EXPECT_TRUE (window->hasUnsavedChanges()) << "run " << run;
        if (isGet)
        {
            EXPECT_EQ (held, preset) << "run " << run;
        }
        if (status.phase == Phase::failed)
            EXPECT_TRUE (status.failure.startsWith ("Slot " + juce::String (slot + 1) + ": ")) << status.failure;
        else if (! isGet && ! status.leftIncomplete)
            EXPECT_EQ (device, before) << "run " << run; // a send cancelled before its first write
        else
            EXPECT_EQ (status.phase, Phase::cancelled) << "run " << run;
    }

    EXPECT_GT (successes, 80);
    EXPECT_GT (failures, 0);
    EXPECT_GT (interrupted, 50);
}

TEST_P (EngineTransfer, AWindowTakesAGetAsOneUndoStepAndCountsWhatItSentAsUnchanged)
{
    // An editor window over the engine, with an empty canvas in place of the views.
    auto window = std::make_unique<EditorWindow> ("Untitled", newCanvas(), engine, nullptr, nullptr);

    engine->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", 77, false);
    const auto edited = payloadOf (*engine);
    engine->getPreset (3);
    ASSERT_TRUE (finish());
    runFor (20);
    EXPECT_EQ (window->getHistory().getUndoName(), "Get Preset");
    EXPECT_FALSE (window->hasUnsavedChanges());
    window->undo();
    EXPECT_EQ (payloadOf (*engine), edited);
    EXPECT_TRUE (window->hasUnsavedChanges());

    // An edit made while the send runs is not on the device.
    ASSERT_TRUE (engine->sendPreset (4));
    engine->setControlParameter (ControlType::knobs, (std::uint8_t) 1, "CC", 66, false);
    ASSERT_TRUE (finish());
    runFor (20);
    EXPECT_TRUE (window->hasUnsavedChanges());
    window->undo();
    EXPECT_FALSE (window->hasUnsavedChanges());
}

TEST_P (EngineTransfer, CompareWithHardwareSlotGetsIntoAScratchEngineNeverIntoTheWindowsPreset)
{
    const auto window =
        std::make_unique<EditorWindow> ("Kestrin OrbMini Editor - Untitled 4", newCanvas(), engine, nullptr, nullptr);
    const auto before = payloadOf (*engine);

    auto other = makeEngine (manager);
    other->applyDump (engine->buildDump (0));
    other->setControlParameter (ControlType::knobs, (std::uint8_t) 2, "CC", 99, false);
    simulator.setSlot (0, payloadOf (*other));

    window->compareWithHardwareSlot();
    auto* dialog = window->getCompareSlotDialog();
    ASSERT_NE (dialog, nullptr);
    window->compareWithHardwareSlot(); // one dialog at a time
    EXPECT_EQ (window->getCompareSlotDialog(), dialog);

    dialog->buttonClicked (&dialog->getContent().getActionButton());
    ASSERT_TRUE (runUntil ([&] { return ! findWindows<PresetCompareWindow>().empty(); }, 5000));
    EXPECT_EQ (window->getCompareSlotDialog(), nullptr);

    auto* compare = findWindows<PresetCompareWindow>().front();
    EXPECT_EQ (compare->getName(), "Compare Untitled 4 With Slot 1");
    const auto mine = juce::String (engine->getControl (ControlType::knobs, 2)->getParameterValue ("CC"));
    EXPECT_EQ (compare->getContent().getLines(),
               (std::vector<PresetCompareComponent::Line> { { "Knobs", "Knob 3", "CC", mine, "99" } }));
    EXPECT_EQ (payloadOf (*engine), before);
    delete compare;
}
