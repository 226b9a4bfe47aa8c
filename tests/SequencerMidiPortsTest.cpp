// The model of the framework's Linux MIDI backend that the port manager's tests run on: it must
// fail where the backend fails, or those tests prove nothing.

#include "simulator/SequencerMidiPorts.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
struct Counter : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override { ++count; }
    std::atomic<int> count { 0 };
};

const auto noteOn = juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100);

// A poll long enough that the test always gets its next step in before the thread looks at its
// exit flag, however loaded the machine.
constexpr int longPollMs = 1000;
} // namespace

TEST (SequencerMidiPortsThreading, AnInputStartedWhileTheSharedThreadWindsDownIsNeverRead)
{
    SequencerMidiPorts ports (longPollMs);
    const auto keys = ports.addInput ("Keys");
    const auto keysOut = ports.addOutput ("Keys");
    const auto pads = ports.addInput ("Pads");
    EXPECT_EQ (keys, juce::String (SequencerMidiPorts::firstDeviceClient) + "-0");
    EXPECT_EQ (keysOut, keys); // one device, one client
    EXPECT_NE (pads, keys);

    Counter counter;
    auto output = ports.openOutput (keysOut); // keeps the process's client alive
    auto input = ports.openInput (keys, counter);
    input->start();
    EXPECT_EQ (ports.deliverNow ("Keys", noteOn), 1);
    // The thread hands a message over before it looks at its exit flag again: let it get back to
    // its poll first, or on a loaded machine the close below may find it between the two and end it.
    juce::Thread::sleep (100);

    // The last input closes (the thread is told to exit) and another starts at once (refused).
    input.reset();
    input = ports.openInput (pads, counter);
    input->start();
    EXPECT_EQ (ports.deliverNow ("Pads", noteOn), 0);

    // The message woke the poll and the thread ended; a moment later its handle is gone too. Then
    // closing every input and starting one again reads again.
    juce::Thread::sleep (100);
    input.reset();
    input = ports.openInput (pads, counter);
    input->start();
    EXPECT_EQ (ports.deliverNow ("Pads", noteOn), 1);

    // With no port left the client closes, waiting for its thread; the next port makes a new one.
    output.reset();
    input.reset();
    input = ports.openInput (keys, counter);
    input->start();
    EXPECT_EQ (ports.deliverNow ("Keys", noteOn), 1);
    EXPECT_EQ (counter.count, 3);

    // A replugged device is a new client: the open port hears nothing from it.
    ports.removeInput ("Keys");
    ports.removeOutput ("Keys");
    const auto replugged = ports.addInput ("Keys");
    EXPECT_NE (replugged, keys);
    EXPECT_EQ (ports.addOutput ("Keys"), replugged);
    EXPECT_EQ (ports.deliverNow ("Keys", noteOn), 0);
}

TEST (SequencerMidiPortsThreading, MessagesWaitForAStartedInputAndAStoppedOneTakesNothing)
{
    SequencerMidiPorts ports;
    const auto keys = ports.addInput ("Keys");
    Counter counter, other;
    auto idle = ports.openInput (keys, other);
    auto input = ports.openInput (keys, counter);

    // No input started: nobody reads, and the message waits in the client's queue.
    EXPECT_EQ (ports.deliverNow ("Keys", noteOn), 0);
    input->start();
    EXPECT_EQ (ports.deliverNow ("Keys", noteOn), 1);
    EXPECT_EQ (counter.count, 2);
    EXPECT_EQ (other.count, 0);
}
