#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniSimulator.h"
#include "midi/VirtualMidiPorts.h"
#include "model/ControlType.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

// Each case names only the simulator options it changes; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using miditest::bytesOf;
using miditest::runFor;
using miditest::runUntil;
using Bytes = std::vector<std::uint8_t>;

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

struct EngineTransfer : ::testing::Test
{
    // A reply timeout long enough that a loaded machine never starts a second pass by accident.
    explicit EngineTransfer (OrbEditorEngine::Timing t = { 0, 0, 1000 }) : timing (t) {}

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
            engine->removeListener (&errors);
        engine = new OrbEditorEngine (&modelByte, manager, "*.orp", 24, 7, 8, 16, 24, timing);
        engine->addListener (&errors);
    }

    void TearDown() override
    {
        if (engine != nullptr)
            engine->removeListener (&errors);
        engine = nullptr;
        simulator.waitUntilIdle (2000);
        runFor (10);   // let queued replies meet their dead engine
    }

    std::vector<juce::MidiMessage> sent() const { return ports.getSentMessages (device); }

    bool finishGet (int timeoutMs = 3000)
    {
        return runUntil ([this] { return ! engine->isGetting(); }, timeoutMs);
    }

    OrbEditorEngine::Timing timing;
    std::uint8_t modelByte = 0x3E;
    VirtualMidiPorts ports;
    MidiManager manager { ports, 20 };
    OrbMiniSimulator simulator { ports, device };
    ErrorCounter errors;
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
    const auto requests = sent();
    ASSERT_EQ (requests.size(), (size_t) payloadSize);
    EXPECT_EQ (bytesOf (requests[0]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 7, 0, 0, 0xF7 }));
    EXPECT_EQ (bytesOf (requests[300]), (Bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 7, 2, 44, 0xF7 }));

    restartEngine();
    ports.clearSentMessages (device);
    engine->applyDump (patternDump (9));
    EXPECT_TRUE (engine->sendPreset (3));
    const auto writes = sent();
    ASSERT_EQ (writes.size(), (size_t) payloadSize);
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

    ASSERT_TRUE (finishGet());
    const auto requests = sent();
    ASSERT_EQ (requests.size(), (size_t) payloadSize);
    for (int p = 0; p < payloadSize; ++p)
    {
        const auto* b = requests[(size_t) p].getRawData();
        EXPECT_EQ (b[10] * 128 + b[11], p);
    }
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
    EXPECT_EQ (errors.errors, 0);

    // A reply after the get has ended changes nothing.
    ports.deliverNow (device, OrbMiniSimulator::makeReply (0, 99));
    runFor (20);
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
}

// Passes that time out quickly, for the cases that wait for the timeouts.
struct EngineTransferTimeouts : EngineTransfer
{
    EngineTransferTimeouts() : EngineTransfer ({ 0, 0, 40 }) {}
};

TEST_F (EngineTransferTimeouts, WithNoAnswerNinePassesEndInOneMidiError)
{
    simulator.setOptions ({ .dropReplies = true });
    engine->applyDump (patternDump (1));

    engine->getPreset (0);
    ASSERT_TRUE (runUntil ([this] { return errors.errors > 0; }, 5000));
    runFor (150);
    EXPECT_EQ (errors.errors, 1);
    EXPECT_FALSE (engine->isGetting());
    EXPECT_EQ (sent().size(), (size_t) 9 * payloadSize);
    EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (1)));

    // Having failed, the engine hears no more replies.
    ports.deliverNow (device, OrbMiniSimulator::makeReply (0, 99));
    runFor (20);
    EXPECT_EQ (payloadOf (*engine)[0], patternDump (1)[10]);
}

TEST_F (EngineTransfer, MalformedDuplicateAndOutOfRangeRepliesDoNotCompleteAGet)
{
    for (int length : { 12, 14 })
    {
        simulator.setOptions ({ .replyLength = length });
        engine->applyDump (patternDump (2));

        engine->getPreset (0);
        simulator.waitUntilIdle (2000);
        runFor (20);
        EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (2))) << "reply length " << length;
        restartEngine();
    }

    // Duplicates and positions past the payload do not make up for positions never answered.
    simulator.setOptions ({ .droppedPositions = { 17, 300 }, .duplicateReplies = true });
    engine->applyDump (patternDump (4));

    engine->getPreset (0);
    simulator.waitUntilIdle (2000);
    ports.deliverNow (device, OrbMiniSimulator::makeReply (305, 1));
    ports.deliverNow (device, OrbMiniSimulator::makeReply (383, 1));   // 2 * 128 + 127
    ports.deliverNow (device, OrbMiniSimulator::makeReply (17, simulator.getSlot (0)[17]));
    runFor (15);
    EXPECT_TRUE (engine->isGetting());
    EXPECT_EQ (payloadOf (*engine), payloadOf (patternDump (4)));

    // The last missing position completes the pass.
    ports.deliverNow (device, OrbMiniSimulator::makeReply (300, simulator.getSlot (0)[300]));
    ASSERT_TRUE (finishGet (500));
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (0));
}

TEST_F (EngineTransfer, SendAndSyncNeedAnOpenInput)
{
    ports.addOutput ("Out");
    ports.addInput ("In");
    MidiManager outputOnly (ports);
    outputOnly.setOutput ("Out");
    OrbEditorEngine::Ptr lonely = new OrbEditorEngine (&modelByte, outputOnly, "*.orp", 24, 7, 8, 16, 24, timing);
    lonely->addListener (&errors);

    EXPECT_FALSE (lonely->sendPreset (0));
    lonely->setSyncMode (true);
    EXPECT_EQ (errors.errors, 2);
    EXPECT_EQ (ports.getNumSentMessages ("Out"), 0);

    // With an input but no output the send goes nowhere and still reports the link as up.
    MidiManager inputOnly (ports);
    inputOnly.setInput ("In");
    OrbEditorEngine::Ptr deaf = new OrbEditorEngine (&modelByte, inputOnly, "*.orp", 24, 7, 8, 16, 24, timing);
    EXPECT_TRUE (deaf->sendPreset (0));
    EXPECT_EQ (ports.getNumSentMessages ("Out"), 0);
}

TEST_F (EngineTransfer, AGetSurvivesTheDeviceBeingUnpluggedAndReplugged)
{
    simulator.setOptions ({ .unplugAfterMessages = 100 });

    engine->getPreset (6);
    ASSERT_TRUE (runUntil ([this] { return ! manager.isConnected() && ! manager.isOutputOpen(); }, 1000));
    simulator.setOptions ({});
    simulator.replug();
    ASSERT_TRUE (finishGet (3000));
    EXPECT_EQ (payloadOf (*engine), simulator.getSlot (6));
    EXPECT_EQ (errors.errors, 0);
}

namespace
{
// Replies come from the simulator's thread while request passes, reply timers and view-like
// listeners run on the message thread.
struct EngineTransferThreading : EngineTransfer
{
    EngineTransferThreading() : EngineTransfer ({ 1, 0, 25 }) {}
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

TEST_F (EngineTransferThreading, RepliesInterleaveWithRequestPassesAndLateRepliesCountInTheNextPass)
{
    // Replies come later than the reply timeout: every pass collects the previous one's answers.
    simulator.setOptions ({ .replyDelayMs = 40, .duplicateReplies = true });

    for (int slot : { 2, 11 })
    {
        WindowLike window (engine);
        engine->getPreset ((std::uint8_t) slot);
        ASSERT_TRUE (finishGet (5000));
        EXPECT_EQ (payloadOf (*engine), simulator.getSlot (slot));
        EXPECT_GT (window.updates, 0);
        EXPECT_EQ (window.errors, 0);

        // Replies carry no slot: the next get must not start while this one's stragglers fly.
        simulator.waitUntilIdle (2000);
        runFor (20);
    }
}

TEST_F (EngineTransferThreading, AWindowClosingWhileRepliesAreInFlightNeverTouchesTheDeadEngine)
{
    simulator.setOptions ({ .replyDelayMs = 100, .duplicateReplies = true });

    for (int round = 0; round < 3; ++round)
    {
        auto window = std::make_unique<WindowLike> (engine);
        engine->removeListener (&errors);
        engine = nullptr;   // the window holds the only handle

        window->engine->getPreset (0);
        runFor (5 + 20 * round);
        window.reset();     // the engine goes while the driver thread is still answering

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
    engine = nullptr;
    window->engine->getPreset (1);
    ASSERT_TRUE (runUntil ([&] { return window->errors > 0; }, 5000));
    EXPECT_EQ (window->engine, nullptr);
    EXPECT_EQ (window->errors, 1);
}
