// Fuzz target: whatever arrives on the MIDI input, fed to the port manager where the platform
// delivers it (MidiManager::handleIncomingMidiMessage, which hands value replies to the running
// transfer), while a get runs and while none does.
//
// Input: one flag byte, then a MIDI byte stream that is cut into messages the way a driver
// frames them: 0xF0 up to and including the next 0xF7 (or up to the next status byte or the end,
// unterminated), a status byte below 0xF0 with its data bytes, stray data bytes dropped. Four
// status bytes that MIDI leaves undefined steer the run instead of being delivered:
//   0xF4       let the message loop hand the ended transfers to the engine
//   0xF5 s     getPreset (s)
//   0xF9       the window cancels its transfers
//   0xFD       the window lets go of its engine (news still queued then meet a dead engine)
// Flag byte: bit 0 starts a get of slot (bits 1-5) first.
//
// Pacing is zero and the reply timeout short: a get asks again while the input's replies are
// missing, and after a get with requests unanswered the next one starts once the device (the
// input) has been silent that long. Each get is let through its request pass before the input goes
// on. Checked beyond the sanitizers: the
// preset stays a 316-byte dump of 7-bit values.

#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "simulator/VirtualMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace
{
constexpr std::uint8_t drainOp = 0xF4, getOp = 0xF5, cancelOp = 0xF9, releaseOp = 0xFD;

struct Harness
{
    Harness()
    {
        ports.addInput ("Fuzz");
        ports.addOutput ("Fuzz");
        manager.setInput ("Fuzz");
        manager.setOutput ("Fuzz");
    }

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    VirtualMidiPorts ports; // a device that never answers by itself: the input is its voice
    MidiManager manager { ports, 3600 * 1000 };
};

Harness* harness = nullptr;

[[noreturn]] void fail (const char* what)
{
    std::fprintf (stderr, "fuzz_engine_midi: %s\n", what);
    std::abort();
}

// Runs the message loop until everything queued so far has been dispatched.
void drainMessageLoop()
{
    bool reached = false;
    juce::MessageManager::callAsync ([&reached] { reached = true; });

    while (! reached)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (0);
}

// Starts a get and lets its first request pass go out, so that the replies that follow find it
// running.
void startGet (OrbEditorEngine& engine, std::uint8_t slot)
{
    // A get already running ignores the call; a slot past the device's ignores it too.
    if (engine.isGetting())
        return;

    const auto before = harness->ports.getNumSentMessages ("Fuzz");
    engine.getPreset (slot);

    if (! engine.isGetting())
        return;

    const auto end = juce::Time::getMillisecondCounter() + 2000;
    while (harness->ports.getNumSentMessages ("Fuzz") < before + engine.getPayloadSize()
           && juce::Time::getMillisecondCounter() < end)
        std::this_thread::yield();
}

size_t messageEnd (const std::uint8_t* data, size_t size, size_t start)
{
    const auto status = data[start];
    size_t end = start + 1;

    if (status == 0xF0)
    {
        while (end < size && data[end] < 0x80)
            ++end;
        if (end < size && data[end] == 0xF7)
            ++end;
        return end;
    }

    const auto length = (size_t) juce::MidiMessage::getMessageLengthFromFirstByte (status);
    while (end < size && end < start + length && data[end] < 0x80)
        ++end;
    return end;
}

void checkPreset (const OrbEditorEngine& engine)
{
    const auto dump = engine.buildDump (0);
    if (dump.size() != engine.getDumpSize())
        fail ("the preset's dump has the wrong size");

    if (std::any_of (dump.begin() + 10, dump.end() - 1, [] (std::uint8_t b) { return b > 0x7F; }))
        fail ("the preset holds a byte above 0x7F");
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    harness = new Harness();
    std::atexit ([] { delete harness; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;

    auto& manager = harness->manager;
    harness->ports.clearSentMessages ("Fuzz"); // what was sent is only counted, never kept
    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager, { 0, 0, 50 });
    const auto flags = data[0];

    if ((flags & 0x01) != 0)
        startGet (*engine, (std::uint8_t) ((flags >> 1) & 0x1F));

    for (size_t i = 1; i < size;)
    {
        const auto status = data[i];

        if (status < 0x80)
        {
            ++i; // a data byte with no status of its own
            continue;
        }

        if (status == drainOp || status == getOp || status == cancelOp || status == releaseOp)
        {
            ++i;
            if (status == drainOp)
                drainMessageLoop();
            else if (engine == nullptr)
                continue;
            else if (status == getOp && i < size)
                startGet (*engine, data[i++]);
            else if (status == cancelOp)
                engine->cancelTransfers();
            else if (status == releaseOp)
            {
                checkPreset (*engine);
                engine = nullptr;
            }
            continue;
        }

        const auto end = messageEnd (data, size, i);
        manager.handleIncomingMidiMessage (nullptr, juce::MidiMessage (data + i, (int) (end - i)));
        i = end;
    }

    drainMessageLoop();

    if (engine != nullptr)
        checkPreset (*engine);

    // Letting go cancels a get still waiting; the next input's get queues behind it until it ends.
    engine = nullptr;
    drainMessageLoop();
    return 0;
}
