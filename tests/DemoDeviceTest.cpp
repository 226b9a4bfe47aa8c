#include "app/KestrinOrbEditorApplication.h"
#include "midi/OrbEditorEngine.h"
#include "simulator/DemoMidiPorts.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

using miditest::runUntil;

namespace
{
juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;
    for (const auto& device : devices)
        names.add (device.name);
    return names;
}
} // namespace

// The demo layer lists the platform's devices, then the simulator; ports on the simulator reach
// it, other ports the platform, and a whole get works through the port manager.
TEST (DemoDevice, ListsTheSimulatorAfterThePlatformAndRoutesAGetToIt)
{
    auto platformPorts = std::make_unique<VirtualMidiPorts>();
    auto& platform = *platformPorts;
    platform.addInput ("Keys");
    platform.addOutput ("Keys");

    DemoMidiPorts ports (std::move (platformPorts));
    EXPECT_EQ (namesOf (ports.getInputDevices()), juce::StringArray ("Keys", "OrbMini Simulator"));
    EXPECT_EQ (namesOf (ports.getOutputDevices()), juce::StringArray ("Keys", "OrbMini Simulator"));

    MidiManager manager (ports, 60000);
    manager.setOutput ("Keys");
    EXPECT_TRUE (manager.sendMessage (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100)));
    EXPECT_EQ (platform.getNumSentMessages ("Keys"), 1);

    manager.setInput (DemoMidiPorts::deviceName);
    manager.setOutput (DemoMidiPorts::deviceName);

    auto engine = OrbEditorEngine::createForOrbMini (manager, { 0, 0, 2000 });
    engine->getPreset (2);
    ASSERT_TRUE (runUntil ([&] { return ! engine->isGetting(); }, 5000));
    EXPECT_EQ (platform.getNumSentMessages ("Keys"), 1);

    // Slot 3 as the dialog numbers it, named after it.
    const auto got = engine->buildDump (0);
    EXPECT_EQ (juce::String ((const char*) got.begin() + 10, 16), "Demo Slot 03    ");

    engine = nullptr;
    ports.getSimulator().waitUntilIdle (2000);
}

// Only a build with the demo device option lists the simulator in the application.
TEST (DemoDevice, ApplicationListsTheSimulatorOnlyInTheDemoBuild)
{
    const auto inputs = namesOf (KestrinOrbEditorApplication::createPortLayer()->getInputDevices());
#if ORBMINI_DEMO_DEVICE
    EXPECT_TRUE (inputs.contains (DemoMidiPorts::deviceName));
#else
    EXPECT_FALSE (inputs.contains (DemoMidiPorts::deviceName));
#endif
}
