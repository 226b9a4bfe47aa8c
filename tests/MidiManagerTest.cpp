#include "midi/JuceMidiPorts.h"
#include "midi/MidiManager.h"
#include "simulator/VirtualMidiPorts.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using miditest::CountingPorts;
using miditest::runFor;
using miditest::runUntil;

namespace
{
struct Recorder : MidiManager::MidiManagerListener
{
    Recorder (std::vector<int>* sharedOrder = nullptr, int tag = 0) : order (sharedOrder), id (tag) {}

    void handleMidiMessage (const juce::MidiMessage&) override
    {
        ++count;
        if (order != nullptr)
            order->push_back (id);
        if (leaveFrom != nullptr)
            leaveFrom->removeListener (this); // during its own delivery
    }

    std::atomic<int> count { 0 };
    std::vector<int>* order;
    int id;
    MidiManager* leaveFrom = nullptr;
};

const auto noteOn = juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100);

struct MidiManagerTest : ::testing::Test
{
    CountingPorts ports;
};
} // namespace

TEST_F (MidiManagerTest, OpensPortsOnlyByExactNameKeepingTheLastOfTwinOutputsAndConnectionMeansAnOpenInput)
{
    ports.addInput ("Orb Keys");
    ports.addOutput ("Out");
    MidiManager manager (ports);
    EXPECT_FALSE (manager.sendMessage (noteOn));

    manager.setInput ("orb keys");
    manager.setInput ("");
    EXPECT_EQ (ports.inputOpens, 0);

    manager.setOutput ("Out");
    EXPECT_FALSE (manager.isConnected());
    EXPECT_TRUE (manager.sendMessage (noteOn));
    EXPECT_EQ (ports.getNumSentMessages ("Out"), 1);

    // Once open, an unknown name, and the name of the open input, change nothing.
    manager.setInput ("Orb Keys");
    manager.setInput ("Other");
    manager.setInput ("Orb Keys");
    EXPECT_TRUE (manager.isConnected());
    EXPECT_EQ (manager.getInputName(), "Orb Keys");
    EXPECT_EQ (ports.inputOpens, 1);

    // Every same-named output is opened; the last is kept.
    ports.addOutput ("Twin");
    const auto second = ports.addOutput ("Twin");
    const int opensBefore = ports.outputOpens;
    manager.setOutput ("Twin");
    EXPECT_EQ (ports.outputOpens, opensBefore + 2);
    EXPECT_EQ (ports.lastOutputOpened, second);
    EXPECT_EQ (ports.getNumOpenOutputs ("Twin"), 1);

    manager.setOutput ("Twin");
    EXPECT_EQ (ports.outputOpens, opensBefore + 2);
}

// Input and output are watched each under its own name, by the real one-second watch. The waits allow
// a busy machine's late timer; without the watch nothing would change at all.
TEST_F (MidiManagerTest, UnpluggedPortsCloseAtTheNextWatchAndReopenWhenBack)
{
    ports.addInput ("Pad In");
    ports.addOutput ("Pad Out");
    MidiManager manager (ports);
    manager.setInput ("Pad In");
    manager.setOutput ("Pad Out");
    Recorder listener;
    manager.addListener (&listener);

    ports.removeOutput ("Pad Out");
    EXPECT_TRUE (runUntil ([&] { return ! manager.isOutputOpen(); }, 2500));
    EXPECT_TRUE (manager.isConnected());
    EXPECT_FALSE (manager.sendMessage (noteOn));

    ports.removeInput ("Pad In");
    EXPECT_TRUE (runUntil ([&] { return ! manager.isConnected(); }, 2500));

    ports.addInput ("Pad In");
    ports.addOutput ("Pad Out");
    EXPECT_TRUE (runUntil ([&] { return manager.isConnected() && manager.isOutputOpen(); }, 2500));
    EXPECT_EQ (ports.getNumOpenOutputs ("Pad Out"), 1);
    EXPECT_EQ (ports.deliverNow ("Pad In", noteOn), 1);
    EXPECT_EQ (listener.count, 1);
    manager.removeListener (&listener);
}

TEST_F (MidiManagerTest, ListenersHearEachMessageOnceFromTheMostRecentAndMayLeaveDuringDelivery)
{
    ports.addInput ("In");
    MidiManager manager (ports);
    manager.setInput ("In");

    std::vector<int> order;
    Recorder first (&order, 1), second (&order, 2);
    manager.addListener (&first);
    manager.addListener (&second);
    manager.addListener (&first);
    manager.addListener (nullptr);

    ports.deliverNow ("In", noteOn);
    EXPECT_EQ (order, (std::vector<int> { 2, 1 }));

    Recorder leaver;
    leaver.leaveFrom = &manager;
    manager.removeListener (&second);
    manager.addListener (&leaver);

    ports.deliverNow ("In", noteOn);
    ports.deliverNow ("In", noteOn);
    EXPECT_EQ (leaver.count, 1);
    EXPECT_EQ (first.count, 3);
    EXPECT_EQ (second.count, 1);
    manager.removeListener (&first);
}

// Device look-ups on a machine without a MIDI service must not print anything, since the watch
// repeats them every second.
TEST (JuceMidiPorts, DeviceLookUpsPrintNothing)
{
    JuceMidiPorts framework;
    testing::internal::CaptureStderr();
    framework.getInputDevices();
    framework.getOutputDevices();
    EXPECT_EQ (framework.openOutput ("no such device"), nullptr);
    EXPECT_EQ (testing::internal::GetCapturedStderr(), "");
}

// The driver's thread delivers while the message thread changes the listener list, unplugs and
// replugs the device and lets the watch close and reopen the ports.
TEST (MidiManagerThreading, DeliveryRacesListenerChangesAndUnplugging)
{
    VirtualMidiPorts ports;
    ports.addInput ("Dev");
    ports.addOutput ("Dev");
    MidiManager manager (ports, 5);
    manager.setInput ("Dev");
    manager.setOutput ("Dev");

    Recorder steady, coming;
    manager.addListener (&steady);

    std::atomic<bool> stop { false };
    std::thread driver ([&] {
        while (! stop)
        {
            ports.deliverNow ("Dev", noteOn);
            std::this_thread::sleep_for (std::chrono::microseconds (100));
        }
    });

    for (int round = 0; round < 40; ++round)
    {
        manager.addListener (&coming);
        runFor (2);
        manager.removeListener (&coming);
        if (round % 10 == 5)
        {
            ports.removeInput ("Dev");
            runFor (20);
            ports.addInput ("Dev");
        }
        runFor (2);
    }

    EXPECT_TRUE (runUntil ([&] { return manager.isConnected(); }, 1000));
    stop = true;
    driver.join();
    manager.removeListener (&steady);
    EXPECT_GT (steady.count, 0);
}
