// Times gets and sends against the simulated device (no reply delay) with the real pacing and
// prints each as a ratio to its pacing floor: 305 x 3 ms per get pass, 305 x 8 ms per send plus
// 305 x 3 ms for its read-back, and the longest turn of the message loop while a transfer runs
// (the window's longest freeze). Then gets with 1, 5 and 20 % of the replies lost, and a backup and
// a restore of the 24 slots. Apart from these, gets with the MIDI monitor open against gets with
// it closed, and live editing: edits a second, writes a second against the pace, and the time from
// the last edit of a drag to its write on the device.
#include "BenchSupport.h"

#include "app/MidiMonitorWindow.h"
#include "midi/LiveEditSession.h"
#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "midi/SlotLibrarian.h"
#include "model/ControlType.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace bench
{
bool runLibrarian (MidiManager& manager, OrbMiniSimulator& simulator);
bool runLiveEdit (MidiManager& manager, OrbMiniSimulator& simulator);

namespace
{
struct Transfer
{
    double milliseconds = 0.0;
    double longestLoopTurnMs = 0.0;
    bool succeeded = false;
};

// Runs the message loop until the engine's transfers have ended, timing each turn of the loop.
Transfer finish (OrbEditorEngine& engine, Clock::time_point start, TransferStatus::Kind kind)
{
    Transfer result;

    while ((engine.isGetting() || engine.isSending()) && millisecondsSince (start) < 60000.0)
    {
        const auto turn = Clock::now();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
        result.longestLoopTurnMs = std::max (result.longestLoopTurnMs, millisecondsSince (turn) - 1.0);
    }

    result.milliseconds = millisecondsSince (start);
    result.succeeded = engine.getTransferStatus (kind).phase == TransferStatus::Phase::succeeded;
    return result;
}
// The simulated controller on in-memory ports, with a port manager that has opened it.
struct SimulatedLink
{
    SimulatedLink()
    {
        manager.setInput ("OrbMini");
        manager.setOutput ("OrbMini");
    }

    VirtualMidiPorts ports;
    MidiManager manager { ports };
    OrbMiniSimulator simulator { ports, "OrbMini" };
};
} // namespace

bool runTransfer (int runs)
{
    std::printf ("\nget and send against the simulated device with the real pacing; %d runs\n", runs);

    SimulatedLink link;
    auto& manager = link.manager;
    auto& simulator = link.simulator;

    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager);
    const OrbEditorEngine::Timing timing;
    const int payload = engine->getPayloadSize();
    const double getFloor = payload * timing.requestPacingMs;
    const double sendFloor = payload * (timing.writePacingMs + timing.requestPacingMs);
    std::vector<double> getRatios, sendRatios, getStalls, sendStalls;
    bool failed = false;

    for (int run = 1; run <= runs; ++run)
    {
        // A turn of the message loop between transfers, as a user would leave.
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
        engine->getPreset ((std::uint8_t) run);
        const auto get = finish (*engine, Clock::now(), TransferStatus::Kind::get);

        const auto dump = engine->buildDump (0);
        const auto expected = simulator.getSlot (run);
        failed = failed || ! get.succeeded || ! std::equal (expected.begin(), expected.end(), dump.begin() + 10);

        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
        engine->sendPreset ((std::uint8_t) (run + 10));
        const auto send = finish (*engine, Clock::now(), TransferStatus::Kind::send);
        failed = failed || ! send.succeeded;

        std::printf ("  run %d: get %.1f ms, ratio %.3f; send with read-back %.1f ms, ratio %.3f\n", run,
                     get.milliseconds, get.milliseconds / getFloor, send.milliseconds, send.milliseconds / sendFloor);
        getRatios.push_back (get.milliseconds / getFloor);
        sendRatios.push_back (send.milliseconds / sendFloor);
        getStalls.push_back (get.longestLoopTurnMs);
        sendStalls.push_back (send.longestLoopTurnMs);
    }

    if (failed)
    {
        std::printf ("  a transfer did not end with the device's preset\n");
        return false;
    }

    std::printf ("  floors: get %.0f ms, send with read-back %.0f ms\n", getFloor, sendFloor);
    verdict ("get time / pacing floor (max)", maximum (getRatios), 1.02, "x");
    verdict ("send time / pacing floor (max)", maximum (sendRatios), 1.02, "x");
    verdict ("longest message-loop turn during a get", maximum (getStalls), 20.0, "ms");
    verdict ("longest message-loop turn during a send", maximum (sendStalls), 20.0, "ms");

    // Lossy links. Each get is timed from its start: the silence that a lossy transfer makes the
    // next one wait for (the reply timeout, as replies may still be late) is waited out before.
    const double cleanGetMs = median (getRatios) * getFloor;
    for (const double loss : { 0.01, 0.05, 0.20 })
    {
        const int lossyRuns = 20;
        std::vector<double> lossyTimes;
        int lossySuccesses = 0;

        for (int run = 0; run < lossyRuns; ++run)
        {
            OrbMiniSimulator::Options lossy;
            lossy.replyLossRate = loss;
            lossy.seed = (unsigned) run + 1;
            simulator.setOptions (lossy);
            juce::MessageManager::getInstance()->runDispatchLoopUntil (timing.replyTimeoutMs + 20);

            engine->getPreset ((std::uint8_t) (run % 24));
            const auto get = finish (*engine, Clock::now(), TransferStatus::Kind::get);
            lossyTimes.push_back (get.milliseconds);
            lossySuccesses += get.succeeded ? 1 : 0;
        }

        const auto percent = juce::roundToInt (loss * 100.0);
        std::printf ("  gets with %d %% of replies lost: %d of %d succeeded, median %.0f ms, max %.0f ms\n", percent,
                     lossySuccesses, lossyRuns, median (lossyTimes), maximum (lossyTimes));
        verdict ("gets with " + std::to_string (percent) + " % loss that failed", lossyRuns - lossySuccesses, 0.5, "");
        if (percent == 5)
            verdict ("get with 5 % loss / clean get (median)", median (lossyTimes) / cleanGetMs, 1.6, "x");
    }

    simulator.setOptions ({});
    engine = nullptr;
    juce::MessageManager::getInstance()->runDispatchLoopUntil (timing.replyTimeoutMs + 20);
    return runLibrarian (manager, simulator);
}

bool runLive()
{
    std::printf ("\nlive editing against the simulated device with the real pacing\n");

    SimulatedLink link;
    return runLiveEdit (link.manager, link.simulator);
}

// Live editing of slot 1 with the real pacing: first edits of one knob as fast as the message loop
// takes them for a second (the editor's side, and the writes that reach the device: at most one per
// 8 ms), then drags of 30 steps at 100 steps a second, each timed from its last step to the last
// write arriving on the device.
bool runLiveEdit (MidiManager& manager, OrbMiniSimulator& simulator)
{
    const OrbEditorEngine::Timing timing;
    auto engine = OrbEditorEngine::createForOrbMini (manager);
    auto& live = engine->getLiveEdit();
    auto* loop = juce::MessageManager::getInstance();
    const auto cc = [&] {
        const auto* knob = engine->getControl (ControlType::knobs, 0);
        return knob->getDumpOffset() + knob->getParameterIndex ("CC");
    }();
    const auto edit = [&] (int value) {
        engine->setControlParameter (ControlType::knobs, (std::uint8_t) 0, "CC", (std::uint8_t) (value % 128), false);
    };
    const auto settle = [&] {
        const auto start = Clock::now();
        while (live.hasWorkLeft() && millisecondsSince (start) < 10000.0)
            loop->runDispatchLoopUntil (1);
    };

    live.start (0);
    const auto start = Clock::now();
    while (live.getStatusText() != "Live: Slot 1" && millisecondsSince (start) < 20000.0)
        loop->runDispatchLoopUntil (5);
    if (! live.isOn())
    {
        std::printf ("  live editing did not start: %s\n", live.getStatusText().toRawUTF8());
        return false;
    }

    // The editor's own cost of an edit while live: the payload compared and the change queued.
    const auto tight = Clock::now();
    for (int i = 0; i < 1000; ++i)
        edit (i);
    const auto microsecondsPerEdit = millisecondsSince (tight);
    settle();

    // Flat out, with a turn of the message loop after each edit.
    simulator.setOptions ({});
    int edits = 0;
    const auto flatOut = Clock::now();
    while (millisecondsSince (flatOut) < 1000.0)
    {
        edit (++edits);
        loop->runDispatchLoopUntil (0);
    }
    const auto flatOutMs = millisecondsSince (flatOut);
    const auto writesMeanwhile = simulator.getArrivals().size();
    settle();
    const bool lastArrived = simulator.getSlot (0)[(size_t) cc] == edits % 128;

    // Drags.
    std::vector<double> latencies;
    for (int drag = 0; drag < 15; ++drag)
    {
        simulator.setOptions ({});
        Clock::time_point lastStep;
        for (int step = 0; step < 30; ++step)
        {
            edit (drag * 30 + step);
            lastStep = Clock::now();
            loop->runDispatchLoopUntil (10);
        }
        settle();

        Clock::time_point lastWrite {};
        for (const auto& arrival : simulator.getArrivals())
            if (arrival.command == OrbMiniProtocol::writeCommand)
                lastWrite = arrival.time;
        latencies.push_back (std::chrono::duration<double, std::milli> (lastWrite - lastStep).count());
    }

    live.stop();
    settle();
    const bool held = live.getStatusText().isEmpty() && ! live.hasFailed();
    engine = nullptr;

    const auto perSecond = [flatOutMs] (double n) { return n * 1000.0 / flatOutMs; };
    std::printf ("  live editing: %.1f us per edit; %.0f edits/s sustained, %.0f writes/s reached the device (pace "
                 "%d/s); last step of a drag to its write: median %.1f ms, max %.1f ms (pacing floor %d ms)\n",
                 microsecondsPerEdit, perSecond (edits), perSecond ((double) writesMeanwhile),
                 1000 / timing.writePacingMs, median (latencies), maximum (latencies), timing.writePacingMs);
    verdict ("live writes a second / pace", perSecond ((double) writesMeanwhile) * timing.writePacingMs / 1000.0, 1.01,
             "x");
    verdict ("live: last step of a drag to its write (max)", maximum (latencies), 50.0, "ms");
    return lastArrived && held;
}

// A backup of the 24 slots into a scratch folder, then a restore of its files, against their
// pacing floors: 24 gets of one request pass, and 24 sends with their read-back.
bool runLibrarian (MidiManager& manager, OrbMiniSimulator& simulator)
{
    const OrbEditorEngine::Timing timing;
    const int payload = OrbEditorEngine::orbMiniPayloadSize();
    const double backupFloor = 24.0 * payload * timing.requestPacingMs;
    const double restoreFloor = 24.0 * payload * (timing.writePacingMs + timing.requestPacingMs);
    const auto folder = juce::File::createTempFile ("orbmini-bench-backup");
    folder.createDirectory();

    const auto runLibrarian = [&] (SlotLibrarian::Direction direction, std::vector<SlotLibrarian::Job> jobs) {
        SlotLibrarian librarian (manager, direction, std::move (jobs), folder, true);
        const auto start = Clock::now();
        librarian.start();
        while (librarian.isRunning() && millisecondsSince (start) < 300000.0)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
        return std::make_pair (millisecondsSince (start), librarian.getNumSucceeded());
    };

    const auto [backupMs, saved] = runLibrarian (SlotLibrarian::Direction::backup, SlotLibrarian::allSlots());
    std::vector<SlotLibrarian::Job> jobs;
    for (const auto& entry : LibrarianPlan::assignSlots (folder))
        jobs.push_back ({ entry.slotNumber, entry.file });
    for (int slot = 0; slot < 24; ++slot)
        simulator.setSlot (slot, OrbMiniSimulator::Payload ((size_t) payload, 0));
    const auto [restoreMs, restored] = runLibrarian (SlotLibrarian::Direction::restore, jobs);
    folder.deleteRecursively();

    std::printf (
        "  backup of 24 slots: %d saved in %.1f s (floor %.1f s); restore: %d restored in %.1f s (floor %.1f s)\n",
        saved, backupMs / 1000.0, backupFloor / 1000.0, restored, restoreMs / 1000.0, restoreFloor / 1000.0);
    verdict ("backup of 24 slots / floor", backupMs / backupFloor, 1.03, "x");
    verdict ("restore of 24 slots / floor", restoreMs / restoreFloor, 1.03, "x");
    return saved == 24 && restored == 24;
}

// Gets with the MIDI monitor's window open (recording, and showing the rows as they come) and
// with it closed, taking turns, against each other; then the cost of recording one message.
bool runMonitor (int runs)
{
    std::printf ("\ngets with the MIDI monitor open and closed, with the real pacing; %d each\n", runs);

    SimulatedLink link;
    auto& manager = link.manager;
    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager);
    const auto messagesPerGet = 2 * (std::uint64_t) engine->getPayloadSize();

    std::vector<double> closedMs, openMs;
    bool succeeded = true;

    for (int run = 0; run < runs; ++run)
    {
        for (const bool open : { false, true })
        {
            std::unique_ptr<MidiMonitorWindow> monitor;
            if (open)
                monitor = std::make_unique<MidiMonitorWindow> (manager, nullptr);

            juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
            engine->getPreset ((std::uint8_t) run);
            const auto get = finish (*engine, Clock::now(), TransferStatus::Kind::get);
            // Open, the monitor has every request and reply.
            succeeded =
                succeeded && get.succeeded && (! open || manager.getMonitorRecord().getNumRecorded() >= messagesPerGet);
            (open ? openMs : closedMs).push_back (get.milliseconds);
        }
    }

    MidiMonitorRecord record;
    const auto message = OrbMiniProtocol::makeValueRequest (OrbMiniModel::modelByte, 2, 152);
    const int messages = 1000000;
    const auto timeAdds = [&] {
        const auto start = Clock::now();
        for (int i = 0; i < messages; ++i)
            record.add (MidiMonitorRecord::Direction::out, message);
        return millisecondsSince (start) * 1.0e6 / messages;
    };
    const double stoppedNs = timeAdds();
    record.start();
    const double recordingNs = timeAdds();
    record.stop();

    std::printf ("  gets with the monitor closed / open, taking turns: median %.1f / %.1f ms, ratio %.4f\n",
                 median (closedMs), median (openMs), median (openMs) / median (closedMs));
    std::printf ("  recording one message: %.0f ns; with the monitor closed %.1f ns\n", recordingNs, stoppedNs);
    verdict ("get with the MIDI monitor open / closed (median)", median (openMs) / median (closedMs), 1.01, "x");
    if (! succeeded)
        std::printf ("  a get with the monitor failed\n");
    return succeeded;
}
} // namespace bench
