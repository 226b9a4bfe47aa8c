#include "midi/JuceMidiPorts.h"
#include "midi/MidiManager.h"
#include "simulator/SequencerClient.h"
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

using miditest::PortLayer;

// Each case runs over the plain in-memory ports and over the model of the framework's Linux
// backend, whose one shared input thread and "client-port" identifiers the in-memory ports lack.
struct MidiManagerTest : ::testing::TestWithParam<PortLayer>
{
    bool onSequencer() const { return GetParam() == PortLayer::linuxSequencer; }

    // Position of an identifier among the devices of its name: which of several same-named units.
    static int unitOf (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& identifier)
    {
        juce::String name;
        for (const auto& d : devices)
            if (d.identifier == identifier)
                name = d.name;

        int rank = 0;
        for (const auto& d : devices)
        {
            if (d.identifier == identifier)
                return rank;
            rank += d.name == name ? 1 : 0;
        }
        return -1;
    }

    std::unique_ptr<VirtualMidiPorts> ownedPorts = miditest::makePorts (GetParam());
    VirtualMidiPorts& ports = *ownedPorts;
    CountingPorts counting { ports };
};
} // namespace

INSTANTIATE_TEST_SUITE_P (Layers, MidiManagerTest, miditest::bothPortLayers, miditest::portLayerName);

TEST_P (MidiManagerTest, OpensPortsOnlyByExactNameAndConnectionMeansAnOpenInput)
{
    ports.addInput ("Orb Keys");
    ports.addOutput ("Out");
    MidiManager manager (counting);
    EXPECT_FALSE (manager.sendMessage (noteOn));

    manager.setInput ("orb keys");
    manager.setInput ("");
    EXPECT_EQ (counting.inputOpens, 0);

    manager.setOutput ("Out");
    EXPECT_FALSE (manager.isConnected());
    EXPECT_TRUE (manager.sendMessage (noteOn));
    EXPECT_EQ (ports.getNumSentMessages ("Out"), 1);

    // Once open, an unknown name changes nothing, and the open output is not opened twice.
    manager.setInput ("Orb Keys");
    manager.setInput ("Other");
    manager.setOutput ("Out");
    EXPECT_TRUE (manager.isConnected());
    EXPECT_EQ (manager.getInputName(), "Orb Keys");
    EXPECT_EQ (counting.inputOpens, 1);
    EXPECT_EQ (counting.outputOpens, 1);
    EXPECT_EQ (manager.getOutputDevice().identifier, ports.getOutputDevices()[0].identifier);
}

// Choosing the open input again reopens it (it may have stopped hearing its device); the new port
// opens before the old one closes, so the framework's shared input thread never stops.
TEST_P (MidiManagerTest, ChangingTheMidiInputWhileAnOutputIsOpenKeepsMidiInputAlive)
{
    ports.addInput ("OrbMini");
    ports.addOutput ("OrbMini");
    ports.addInput ("Synth");
    MidiManager manager (counting);
    Recorder listener;
    manager.addListener (&listener);
    manager.setOutput ("OrbMini");
    manager.setInput ("Synth");
    ASSERT_EQ (ports.deliverNow ("Synth", noteOn), 1);

    manager.setInput ("OrbMini");
    EXPECT_EQ (ports.deliverNow ("OrbMini", noteOn), 1);
    EXPECT_EQ (ports.getNumOpenInputs ("Synth"), 0);

    manager.setInput ("OrbMini");
    EXPECT_EQ (counting.inputOpens, 3);
    EXPECT_EQ (ports.getNumOpenInputs ("OrbMini"), 1);
    EXPECT_EQ (ports.deliverNow ("OrbMini", noteOn), 1);

    // Past the input thread's poll: nothing stopped it in the meantime.
    runFor (SequencerClient::defaultPollTimeoutMs + 50);
    EXPECT_EQ (ports.deliverNow ("OrbMini", noteOn), 1);
    EXPECT_EQ (listener.count, 4);
    manager.removeListener (&listener);
}

// A hub reset or a device reboot between two looks of the watch: the names never leave the lists,
// but the device comes back with new identifiers.
TEST_P (MidiManagerTest, AQuickUnplugAndReplugBetweenTwoWatchTicksReopensThePorts)
{
    ports.addInput ("OrbMini");
    ports.addOutput ("OrbMini");
    MidiManager manager (counting, 50);
    manager.setInput ("OrbMini");
    manager.setOutput ("OrbMini");
    Recorder listener;
    manager.addListener (&listener);
    const auto before = manager.getInputDevice().identifier + manager.getOutputDevice().identifier;

    ports.removeInput ("OrbMini");
    ports.removeOutput ("OrbMini");
    ports.addInput ("OrbMini");
    ports.addOutput ("OrbMini");

    EXPECT_TRUE (runUntil (
        [&] { return ports.getNumOpenInputs ("OrbMini") == 1 && ports.getNumOpenOutputs ("OrbMini") == 1; }, 2500));
    EXPECT_NE (manager.getInputDevice().identifier + manager.getOutputDevice().identifier, before);
    EXPECT_EQ (ports.deliverNow ("OrbMini", noteOn), 1);
    EXPECT_EQ (listener.count, 1);
    ports.clearSentMessages ("OrbMini");
    EXPECT_TRUE (manager.sendMessage (noteOn));
    EXPECT_EQ (ports.getNumSentMessages ("OrbMini"), 1);

    // Reopened once: the watch leaves ports alone while their identifiers stay listed.
    runFor (200);
    EXPECT_EQ (counting.inputOpens, 2);
    EXPECT_EQ (counting.outputOpens, 2);
    manager.removeListener (&listener);
}

// Two units of one model share their names; input and output are kept on one of them, whichever
// port is chosen first, and a unit can be chosen by its identifier.
TEST_P (MidiManagerTest, TwoIdenticalControllersGetInputAndOutputOnOneUnit)
{
    for (int unit = 0; unit < 2; ++unit)
    {
        ports.addInput ("OrbMini MIDI 1");
        ports.addOutput ("OrbMini MIDI 1");
    }
    const auto inputs = ports.getInputDevices(), outputs = ports.getOutputDevices();
    if (onSequencer())
    {
        EXPECT_EQ (inputs[1].identifier, outputs[1].identifier); // "client-port", one client per unit
        EXPECT_NE (inputs[0].identifier, inputs[1].identifier);
    }

    MidiManager manager (counting);
    manager.setInput ("OrbMini MIDI 1");
    manager.setOutput ("OrbMini MIDI 1");
    EXPECT_EQ (unitOf (inputs, counting.lastInputOpened), 0);
    EXPECT_EQ (unitOf (outputs, counting.lastOutputOpened), 0);
    EXPECT_EQ (counting.outputOpens, 1);

    // The second unit's input, then the output by name: the output follows to the second unit.
    manager.setInput (inputs[1]);
    manager.setOutput ("OrbMini MIDI 1");
    EXPECT_EQ (unitOf (inputs, counting.lastInputOpened), 1);
    EXPECT_EQ (unitOf (outputs, counting.lastOutputOpened), 1);
    EXPECT_EQ (manager.getInputName(), "OrbMini MIDI 1");

    // Output first on a fresh manager: the input follows it.
    MidiManager other (counting);
    other.setOutput (outputs[1]);
    other.setInput ("OrbMini MIDI 1");
    EXPECT_EQ (unitOf (inputs, counting.lastInputOpened), 1);
}

// Input and output are watched each under its own name, by the real one-second watch. The waits allow
// a busy machine's late timer; without the watch nothing would change at all.
TEST_P (MidiManagerTest, UnpluggedPortsCloseAtTheNextWatchAndReopenWhenBack)
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

TEST_P (MidiManagerTest, ListenersHearEachMessageOnceFromTheMostRecentAndMayLeaveDuringDelivery)
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
struct MidiManagerThreading : MidiManagerTest
{};

INSTANTIATE_TEST_SUITE_P (Layers, MidiManagerThreading, miditest::bothPortLayers, miditest::portLayerName);

TEST_P (MidiManagerThreading, DeliveryRacesListenerChangesAndUnplugging)
{
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
