// Times a get and a send against the simulated device (no reply delay) with the real pacing and
// prints each as a ratio to its pacing floor: 305 x 3 ms per get pass, 305 x 8 ms per send.
#include "BenchSupport.h"

#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniSimulator.h"
#include "midi/VirtualMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace bench
{
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
    const double sendFloor = payload * timing.writePacingMs;
    std::vector<double> getRatios, sendRatios;
    bool failed = false;

    for (int run = 1; run <= runs; ++run)
    {
        const auto getStart = Clock::now();
        engine->getPreset ((std::uint8_t) run);
        while (engine->isGetting() && millisecondsSince (getStart) < 10000.0)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
        const double getMs = millisecondsSince (getStart);

        const auto dump = engine->buildDump (0);
        const auto expected = simulator.getSlot (run);
        failed = failed || engine->isGetting()
                 || ! std::equal (expected.begin(), expected.end(), dump.begin() + 10);

        const auto sendStart = Clock::now();
        engine->sendPreset ((std::uint8_t) (run + 10));
        const double sendMs = millisecondsSince (sendStart);

        std::printf ("  run %d: get %.1f ms, ratio %.3f; send %.1f ms, ratio %.3f\n", run, getMs, getMs / getFloor,
                     sendMs, sendMs / sendFloor);
        getRatios.push_back (getMs / getFloor);
        sendRatios.push_back (sendMs / sendFloor);
    }

    engine = nullptr;

    if (failed)
    {
        std::printf ("  a get did not complete with the device's preset\n");
        return false;
    }

    std::printf ("  floors: get pass %.0f ms, send %.0f ms\n", getFloor, sendFloor);
    verdict ("get time / pacing floor (max)", maximum (getRatios), 1.05, "x");
    verdict ("send time / pacing floor (max)", maximum (sendRatios), 1.05, "x");
    return true;
}
} // namespace bench
