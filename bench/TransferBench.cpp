// Times gets and sends against the simulated device (no reply delay) with the real pacing and
// prints each as a ratio to its pacing floor: 305 x 3 ms per get pass, 305 x 8 ms per send plus
// 305 x 3 ms for its read-back. Then gets with 5 % of the replies lost, and the longest turn of
// the message loop while a transfer runs (the window's longest freeze).
#include "BenchSupport.h"

#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace bench
{
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
} // namespace

bool runTransfer (int runs)
{
    std::printf ("\nget and send against the simulated device with the real pacing; %d runs\n", runs);

    VirtualMidiPorts ports;
    MidiManager manager (ports);
    OrbMiniSimulator simulator (ports, "OrbMini");
    manager.setInput ("OrbMini");
    manager.setOutput ("OrbMini");

    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager);
    const OrbEditorEngine::Timing timing;
    const int payload = engine->getPayloadSize();
    const double getFloor = payload * timing.requestPacingMs;
    const double sendFloor = payload * (timing.writePacingMs + timing.requestPacingMs);
    std::vector<double> getRatios, sendRatios, getStalls, sendStalls;
    bool failed = false;

    for (int run = 1; run <= runs; ++run)
    {
        // Each transfer starts once the device has been quiet: that wait is not the transfer's.
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

    // A lossy link: one reply in twenty lost.
    const int lossyRuns = 20;
    std::vector<double> lossyTimes;
    int lossySuccesses = 0;

    for (int run = 0; run < lossyRuns; ++run)
    {
        OrbMiniSimulator::Options lossy;
        lossy.replyLossRate = 0.05;
        lossy.seed = (unsigned) run + 1;
        simulator.setOptions (lossy);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

        engine->getPreset ((std::uint8_t) (run % 24));
        const auto get = finish (*engine, Clock::now(), TransferStatus::Kind::get);
        lossyTimes.push_back (get.milliseconds);
        lossySuccesses += get.succeeded ? 1 : 0;
    }

    engine = nullptr;
    std::printf ("  gets with 5 %% of replies lost: %d of %d succeeded, median %.0f ms, max %.0f ms\n", lossySuccesses,
                 lossyRuns, median (lossyTimes), maximum (lossyTimes));
    verdict ("lossy gets that failed", lossyRuns - lossySuccesses, 0.5, "");
    return true;
}
} // namespace bench
