#include "MidiTestSupport.h"
#include "ShellTestSupport.h"

#include "app/KestrinOrbMiniEditorApplication.h"
#include "app/MidiMonitorWindow.h"
#include "midi/MidiMessageDescription.h"
#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniProtocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

using miditest::runUntil;
using Direction = MidiMonitorRecord::Direction;
using Entry = MidiMonitorRecord::Entry;

namespace
{
juce::String describe (std::initializer_list<int> message)
{
    std::vector<std::uint8_t> bytes;
    for (auto b : message)
        bytes.push_back ((std::uint8_t) b);
    return MidiMessageDescription::describe (bytes, (int) bytes.size());
}

// A three-byte message that carries a number below 16384, so that order can be checked.
juce::MidiMessage numbered (int number)
{
    return juce::MidiMessage (0xB0, (number >> 7) & 0x7F, number & 0x7F);
}

int numberOf (const Entry& entry)
{
    return (entry.bytes[1] << 7) | entry.bytes[2];
}
} // namespace

TEST (MidiMessageDescription, TellsTheDevicesMessagesByWhatTheyDoAndAnythingElseInHex)
{
    const std::uint8_t model = 0x3E;
    EngineFixture fixture;
    const auto dump = fixture.engine->buildDump (4);

    const std::pair<juce::String, juce::String> cases[] = {
        { MidiMessageDescription::describe (OrbMiniProtocol::makeValueRequest (model, 2, 152)),
          "Request slot 3 position 152" },
        { describe ({ 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x66, 0x00, 0x03, 0x01, 0x18, 0x40, 0xF7 }),
          "Reply position 152 = 64" },
        { MidiMessageDescription::describe (OrbMiniProtocol::makeValueWrite (model, 2, 152, 64)),
          "Write slot 3 position 152 = 64" },
        { MidiMessageDescription::describe (OrbMiniProtocol::makeSyncMode (model, true)), "Sync external" },
        { MidiMessageDescription::describe (OrbMiniProtocol::makeSyncMode (model, false)), "Sync internal" },
        { MidiMessageDescription::describe (OrbMiniProtocol::makeValueRequest (model, 0, 304)),
          "Request slot 1 position 304" },
        { describe ({ 0xB0, 0x07, 0x64 }), "B0 07 64" },
        { describe ({ 0xF8 }), "F8" },
        // What the engine would not take for a reply is not shown as one: a byte short.
        { describe ({ 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x66, 0x00, 0x03, 0x01, 0x18, 0xF7 }),
          "F0 00 3C 17 00 3E 66 00 03 01 18 F7" },
        // Another maker's request-shaped message.
        { describe ({ 0xF0, 0x00, 0x20, 0x17, 0x00, 0x3E, 0x65, 0x00, 0x03, 0x02, 0x01, 0x18, 0xF7 }),
          "F0 00 20 17 00 3E 65 00 03 02 01 18 F7" },
        // A long message as the monitor keeps it: its first bytes and its length.
        { MidiMessageDescription::describe ({ dump.getRawDataPointer(), 16 }, dump.size()),
          "Preset dump slot 5 (316 bytes)" },
        { MidiMessageDescription::describe ({ dump.getRawDataPointer() + 1, 4 }, 40),
          juce::String (juce::CharPointer_UTF8 ("00 3C 17 00 \xe2\x80\xa6 (40 bytes)")) },
    };

    for (const auto& [shown, expected] : cases)
        EXPECT_EQ (shown, expected);
}

TEST (MidiMonitorRecord, KeepsTheLastTenThousandInOrderAndNothingWhileStopped)
{
    MidiMonitorRecord record;
    record.add (Direction::out, numbered (1));
    EXPECT_EQ (record.getNumRecorded(), 0u);

    record.start();
    const int total = MidiMonitorRecord::capacity + 5;
    for (int i = 0; i < total; ++i)
        record.add (i % 2 == 0 ? Direction::out : Direction::in, numbered (i));

    std::uint64_t next = 0;
    std::vector<Entry> read;
    record.readFrom (next, read);
    ASSERT_EQ (read.size(), (size_t) MidiMonitorRecord::capacity);
    EXPECT_EQ (next, (std::uint64_t) total);
    EXPECT_EQ (numberOf (read.front()), 5);
    EXPECT_EQ (read.front().direction, Direction::in);
    for (size_t i = 1; i < read.size(); ++i)
    {
        ASSERT_EQ (numberOf (read[i]), numberOf (read[i - 1]) + 1) << i;
        ASSERT_GE (read[i].microseconds, read[i - 1].microseconds) << i;
    }

    // Later reads take only what came since; a long message keeps its length and its first bytes.
    read.clear();
    std::vector<std::uint8_t> sysex (316, 0x10);
    sysex.front() = 0xF0;
    sysex.back() = 0xF7;
    record.add (Direction::in, juce::MidiMessage (sysex.data(), (int) sysex.size()));
    record.readFrom (next, read);
    ASSERT_EQ (read.size(), 1u);
    EXPECT_EQ (read[0].size, 316);
    EXPECT_EQ (read[0].keptBytes().size(), (size_t) MidiMonitorRecord::maxKeptBytes);
    EXPECT_EQ (read[0].keptBytes()[0], 0xF0);

    record.stop();
    record.add (Direction::out, numbered (2));
    EXPECT_FALSE (record.isRecording());
    EXPECT_EQ (record.getNumRecorded(), 0u);
}

// The input thread and the transfer thread record at once, more than the ring holds, while the
// monitor reads on this one: each sender's messages come out in the order sent, none twice.
TEST (MidiMonitorThreading, TwoSendersAndAReaderKeepEachSendersOrder)
{
    MidiMonitorRecord record;
    record.start();
    constexpr int perThread = 3 * MidiMonitorRecord::capacity / 2;
    std::atomic<int> finished { 0 };

    const auto send = [&] (Direction direction) {
        for (int i = 0; i < perThread; ++i)
            record.add (direction, numbered (i));
        ++finished;
    };
    std::thread input (send, Direction::in), transfer (send, Direction::out);

    std::vector<Entry> read;
    std::uint64_t next = 0;
    while (finished < 2)
    {
        record.readFrom (next, read);
        std::this_thread::yield();
    }
    record.readFrom (next, read);
    input.join();
    transfer.join();

    EXPECT_EQ (next, 2u * perThread);
    int last[2] = { -1, -1 };
    for (const auto& entry : read)
    {
        auto& previous = last[(int) entry.direction];
        ASSERT_GT (numberOf (entry), previous);
        previous = numberOf (entry);
    }
    // The reader may fall behind by more than the ring holds on a loaded machine, and then misses
    // the oldest; the newest is always there: the last of the sender that finished last.
    EXPECT_EQ (std::max (last[0], last[1]), perThread - 1);
    record.stop();
}

namespace
{
struct MonitoredGetThreading : miditest::SimulatedDeviceTest
{
    bool get (OrbEditorEngine& engine, std::uint8_t slot)
    {
        engine.getPreset (slot);
        return runUntil ([&] { return ! engine.isGetting(); }, 5000)
               && engine.getTransferStatus (TransferStatus::Kind::get).phase == TransferStatus::Phase::succeeded;
    }

    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager, { 0, 0, 1000 });
};
} // namespace

// A get with the monitor closed records nothing; with it open, the window shows each request the
// transfer thread sent before the reply the input thread received for it, 610 rows in all.
TEST_P (MonitoredGetThreading, ShowsEveryRequestBeforeItsReplyAndNothingWhileClosed)
{
    ASSERT_TRUE (get (*engine, 0));
    EXPECT_FALSE (manager.getMonitorRecord().isRecording());
    EXPECT_EQ (manager.getMonitorRecord().getNumRecorded(), 0u);

    {
        MidiMonitorComponent monitor (manager, nullptr);
        ASSERT_TRUE (get (*engine, 2));
        ASSERT_TRUE (runUntil ([&] { return monitor.getNumRows() >= 2 * payloadSize; }, 2000));
        miditest::runFor (3 * MidiMonitorComponent::refreshPeriodMs);
        ASSERT_EQ (monitor.getNumRows(), 2 * payloadSize);

        const auto values = simulator.getSlot (2);
        std::vector<int> requestRow (payloadSize, -1), replyRow (payloadSize, -1);
        for (int row = 0; row < monitor.getNumRows(); ++row)
        {
            const auto line = monitor.getRowText (row);
            const auto meaning = line.fromFirstOccurrenceOf ("  Out  ", false, false);
            if (meaning.startsWith ("Request slot 3 position "))
                requestRow[(size_t) meaning.getTrailingIntValue()] = row;
            else if (const auto reply = line.fromFirstOccurrenceOf ("  In   Reply position ", false, false);
                     reply.isNotEmpty())
            {
                const int position = reply.upToFirstOccurrenceOf (" ", false, false).getIntValue();
                ASSERT_TRUE (juce::isPositiveAndBelow (position, payloadSize)) << line;
                EXPECT_EQ (reply.getTrailingIntValue(), values[(size_t) position]) << line;
                replyRow[(size_t) position] = row;
            }
        }

        for (int p = 0; p < payloadSize; ++p)
        {
            ASSERT_GE (requestRow[(size_t) p], 0) << p;
            ASSERT_GT (replyRow[(size_t) p], requestRow[(size_t) p]) << p;
        }
        EXPECT_TRUE (monitor.getRowText (0).endsWith ("  Out  Request slot 3 position 0"));
        EXPECT_EQ (monitor.getPortsText(), "Input: OrbMini      Output: OrbMini");
    }

    EXPECT_FALSE (manager.getMonitorRecord().isRecording());
    ASSERT_TRUE (get (*engine, 1));
    EXPECT_EQ (manager.getMonitorRecord().getNumRecorded(), 0u);
}

INSTANTIATE_TEST_SUITE_P (Layers, MonitoredGetThreading, miditest::bothPortLayers, miditest::portLayerName);

namespace
{
struct MonitorWindowContent : ::testing::Test, miditest::SimulatedDevice
{
    MonitorWindowContent() { monitor.setBounds (0, 0, 640, 440); }

    void send (int count, int first = 0)
    {
        for (int i = first; i < first + count; ++i)
            manager.sendMessage (numbered (i));
    }

    juce::File lastDirectory;
    MidiMonitorComponent monitor { manager, &lastDirectory };
};
} // namespace

TEST_F (MonitorWindowContent, FollowsTheNewestUnlessScrolledUpOrPaused)
{
    send (200);
    monitor.refresh();
    ASSERT_EQ (monitor.getNumRows(), 200);
    EXPECT_EQ (monitor.getStatusText(), "200 messages");
    EXPECT_TRUE (monitor.getRowText (199).endsWith ("  Out  B0 01 47"));
    auto& view = *monitor.getList().getViewport();
    const auto bottom = [&] { return view.getViewPositionY() + view.getViewHeight(); };
    EXPECT_EQ (bottom(), view.getViewedComponent()->getHeight());

    // Scrolled up, the rows stay where they are.
    view.setViewPosition (0, 0);
    send (10, 200);
    monitor.refresh();
    EXPECT_EQ (view.getViewPositionY(), 0);

    // Paused, nothing new shows until the pause ends, and then all of it.
    view.setViewPosition (0, view.getViewedComponent()->getHeight());
    clickAndWait (*monitor.findButton ("Pause"));
    ASSERT_TRUE (monitor.isPaused());
    send (5, 210);
    miditest::runFor (3 * MidiMonitorComponent::refreshPeriodMs);
    EXPECT_EQ (monitor.getNumRows(), 210);
    EXPECT_EQ (monitor.getStatusText(), "Paused, 5 new not shown");

    clickAndWait (*monitor.findButton ("Pause"));
    EXPECT_EQ (monitor.getNumRows(), 215);
    EXPECT_EQ (bottom(), view.getViewedComponent()->getHeight());

    clickAndWait (*monitor.findButton ("Clear"));
    EXPECT_EQ (monitor.getNumRows(), 0);
    EXPECT_EQ (monitor.getStatusText(), "0 messages");
}

TEST_F (MonitorWindowContent, NamesThePortsItWatchesAndOneWhoseDeviceWasUnplugged)
{
    EXPECT_EQ (monitor.getPortsText(), "Input: OrbMini      Output: OrbMini");
    ports.removeInput (device);
    EXPECT_TRUE (runUntil ([&] { return monitor.getPortsText().startsWith ("Input: OrbMini (not connected)"); }, 2000))
        << monitor.getPortsText();
}

// Past 10,000 rows the oldest go, and a selected row stays on its message.
TEST_F (MonitorWindowContent, KeepsTheLastTenThousandRowsWithTheSelectionOnItsMessage)
{
    std::vector<Entry> entries;
    for (int i = 0; i < MidiMonitorRecord::capacity; ++i)
        entries.push_back (MidiMonitorRecord::makeEntry (Direction::in, numbered (i), i));
    monitor.append (entries);
    monitor.getList().selectRow (10, true);
    const auto selected = monitor.getRowText (10);

    monitor.append ({ entries.begin(), entries.begin() + 4 });
    ASSERT_EQ (monitor.getNumRows(), MidiMonitorRecord::capacity);
    EXPECT_TRUE (monitor.getRowText (0).endsWith ("B0 00 04"));
    EXPECT_EQ (monitor.getList().getSelectedRow(), 6);
    EXPECT_EQ (monitor.getRowText (6), selected);
}

TEST_F (MonitorWindowContent, CopiesTheSelectedRowsOrAllAndSavesTheLog)
{
    monitor.append (
        { MidiMonitorRecord::makeEntry (Direction::out, OrbMiniProtocol::makeValueRequest (0x3E, 2, 152), 152345),
          MidiMonitorRecord::makeEntry (Direction::in, juce::MidiMessage (0xB0, 7, 100), 1234567),
          MidiMonitorRecord::makeEntry (Direction::out, OrbMiniProtocol::makeSyncMode (0x3E, true), 2000000) });
    const juce::String all = "     152.3  Out  Request slot 3 position 152\n"
                             "    1234.6  In   B0 07 64\n"
                             "    2000.0  Out  Sync external\n";

    clickAndWait (*monitor.findButton ("Copy"));
    EXPECT_EQ (juce::SystemClipboard::getTextFromClipboard(), all);

    monitor.getList().selectRow (1);
    monitor.getList().selectRow (2, false, false);
    clickAndWait (*monitor.findButton ("Copy"));
    EXPECT_EQ (juce::SystemClipboard::getTextFromClipboard(),
               "    1234.6  In   B0 07 64\n    2000.0  Out  Sync external\n");

    ScriptedFileChooser chooser;
    const auto folder = testDirectory ("midi-monitor");
    chooser.answerWith (folder.getChildFile ("traffic.txt"));
    auto* save = monitor.findButton (juce::CharPointer_UTF8 ("Save Log\xe2\x80\xa6"));
    ASSERT_NE (save, nullptr);
    clickAndWait (*save);
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_TRUE (chooser.requests[0].forSaving);
    EXPECT_EQ (chooser.requests[0].wildcard, "*.txt");
    EXPECT_EQ (folder.getChildFile ("traffic.txt").loadFileAsString(), all);
    EXPECT_TRUE (findAlerts().empty());

    // A file that cannot be written says so.
    ASSERT_TRUE (folder.getChildFile ("plain").create());
    chooser.answerWith (folder.getChildFile ("plain").getChildFile ("log.txt"));
    clickAndWait (*save);
    EXPECT_NE (monitor.getFileErrorAlert(), nullptr);
    EXPECT_EQ (shownAlerts(), "File Error. Error Saving log.txt\r\n File Not Written");
    dismissAlerts();
}

namespace
{
class MidiMonitorCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.startEditor ({});
        app.getWindowManager()->onLastWindowClosed = nullptr;
    }

    void TearDown() override { delete app.getMidiMonitorWindow(); }

    bool invoke (juce::CommandID id) { return app.getCommandManager()->invokeDirectly (id, false); }

    KestrinOrbMiniEditorApplication app;
};
} // namespace

TEST_F (MidiMonitorCommand, OpensOneWindowThatRecordsUntilEscapeOrItsCloseButton)
{
    auto& record = app.getMidiManager().getMonitorRecord();
    EXPECT_FALSE (record.isRecording());

    EXPECT_TRUE (invoke (KestrinOrbEditorApplication::midiMonitorCommand));
    EXPECT_TRUE (invoke (KestrinOrbEditorApplication::midiMonitorCommand));
    ASSERT_EQ (findWindows<MidiMonitorWindow>().size(), 1u);
    auto* window = app.getMidiMonitorWindow();
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getName(), "MIDI Monitor");
    EXPECT_TRUE (record.isRecording());
    EXPECT_EQ (window->getContent().getPortsText(), "Input: none      Output: none");

    // Beside the editor window, where both can be watched.
    EXPECT_GE (window->getScreenX(), app.getWindowManager()->getWindow (0)->getScreenBounds().getRight());

    pressKeyAndWait (window->getContent().getList(), juce::KeyPress::escapeKey);
    EXPECT_TRUE (findWindows<MidiMonitorWindow>().empty());
    EXPECT_FALSE (record.isRecording());

    invoke (KestrinOrbEditorApplication::midiMonitorCommand);
    ASSERT_NE (app.getMidiMonitorWindow(), nullptr);
    closeByTitleBar (*app.getMidiMonitorWindow());
    EXPECT_EQ (app.getMidiMonitorWindow(), nullptr);
    EXPECT_FALSE (record.isRecording());
}
