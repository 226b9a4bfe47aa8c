#include "simulator/DemoMidiPorts.h"

#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniProtocol.h"
#include "model/OrbKnob.h"
#include "model/OrbMiniModel.h"
#include "model/OrbPresetName.h"
#include "resources/EmbeddedResources.h"

namespace
{
// Simulator identifiers carry this prefix in the combined lists, so that they never meet an
// identifier of the platform's.
const juce::String simulatorPrefix ("orbmini-simulator:");

constexpr int dumpSize = OrbMiniProtocol::dumpSize (OrbMiniSimulator::payloadSize);
constexpr int payloadOffset = OrbMiniProtocol::frameHeaderSize;

void addSimulatorDevices (juce::Array<juce::MidiDeviceInfo>& list, const juce::Array<juce::MidiDeviceInfo>& simulated)
{
    for (const auto& device : simulated)
        list.add ({ device.name, simulatorPrefix + device.identifier });
}

// Writes a group's values back into a payload at the group's place.
void store (const Control& group, OrbMiniSimulator::Payload& payload)
{
    const auto values = group.getValues();

    for (int i = 0; i < values.size(); ++i)
        if (juce::isPositiveAndBelow (group.getDumpOffset() + i, (int) payload.size()))
            payload[(size_t) (group.getDumpOffset() + i)] = values[i];
}
} // namespace

DemoMidiPorts::DemoMidiPorts (std::unique_ptr<MidiPortLayer> platformPorts) : platform (std::move (platformPorts))
{
    simulator = std::make_unique<OrbMiniSimulator> (simulatedPorts, deviceName);

    const auto* preset = EmbeddedResources::find (EmbeddedResources::defaultPreset);
    const auto* dump = preset != nullptr && preset->size == (std::size_t) dumpSize ? preset->data : nullptr;

    for (int slot = 0; slot < OrbMiniSimulator::numSlots; ++slot)
        simulator->setSlot (slot, makeDemoSlot (dump, dump != nullptr ? dumpSize : 0, slot));
}

DemoMidiPorts::~DemoMidiPorts()
{
    // The simulator answers through the in-memory devices: it goes before them.
    simulator.reset();
}

OrbMiniSimulator::Payload DemoMidiPorts::makeDemoSlot (const std::uint8_t* defaultDump, int size, int slot)
{
    OrbMiniSimulator::Payload payload ((size_t) OrbMiniSimulator::payloadSize, 0);

    if (defaultDump != nullptr && size >= payloadOffset + OrbMiniSimulator::payloadSize)
        std::copy (defaultDump + payloadOffset, defaultDump + payloadOffset + OrbMiniSimulator::payloadSize,
                   payload.begin());

    Control::ValueArray values;
    for (auto byte : payload)
        values.add (byte);

    OrbPresetName name;
    name.loadFromDump (values);
    const auto text =
        ("Demo Slot " + juce::String (slot + 1).paddedLeft ('0', 2)).paddedRight (' ', OrbPresetName::numSlots);

    for (int i = 0; i < OrbPresetName::numSlots; ++i)
        name.setParameterValue ("Preset Name " + juce::String (i + 1), (std::uint8_t) text[i], false);

    store (name, payload);

    for (int i = 0; i < OrbMiniModel::numKnobs; ++i)
    {
        OrbKnob knob (OrbEditorEngine::firstKnobOffset + OrbKnob::numSlots * i);
        knob.loadFromDump (values);
        knob.setParameterValue ("CC", (std::uint8_t) (20 + slot + i), false);
        knob.setParameterValue ("MIDI Channel", (std::uint8_t) (slot % 16), false);
        store (knob, payload);
    }

    return payload;
}

juce::Array<juce::MidiDeviceInfo> DemoMidiPorts::getInputDevices()
{
    auto list = platform != nullptr ? platform->getInputDevices() : juce::Array<juce::MidiDeviceInfo>();
    addSimulatorDevices (list, simulatedPorts.getInputDevices());
    return list;
}

juce::Array<juce::MidiDeviceInfo> DemoMidiPorts::getOutputDevices()
{
    auto list = platform != nullptr ? platform->getOutputDevices() : juce::Array<juce::MidiDeviceInfo>();
    addSimulatorDevices (list, simulatedPorts.getOutputDevices());
    return list;
}

std::unique_ptr<MidiPortLayer::Input> DemoMidiPorts::openInput (const juce::String& identifier,
                                                                juce::MidiInputCallback& callback)
{
    if (identifier.startsWith (simulatorPrefix))
        return simulatedPorts.openInput (identifier.substring (simulatorPrefix.length()), callback);

    return platform != nullptr ? platform->openInput (identifier, callback) : nullptr;
}

std::unique_ptr<MidiPortLayer::Output> DemoMidiPorts::openOutput (const juce::String& identifier)
{
    if (identifier.startsWith (simulatorPrefix))
        return simulatedPorts.openOutput (identifier.substring (simulatorPrefix.length()));

    return platform != nullptr ? platform->openOutput (identifier) : nullptr;
}
