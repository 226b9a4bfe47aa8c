#pragma once

#include "simulator/SequencerClient.h"
#include "simulator/VirtualMidiPorts.h"

#include <mutex>

// In-memory devices behind the framework's Linux MIDI backend, as its code behaves: devices are
// sequencer clients, identified as "client-port"; the input and the output of one device share a
// client, two devices of one name have clients of their own, and a device plugged back in is a
// new client. The ports this process opens belong to one shared SequencerClient, which exists
// while any port is open, and whose one input thread delivers every incoming message.
class SequencerMidiPorts : public VirtualMidiPorts
{
public:
    // The client number of the first device; the following ones count up from it.
    static constexpr int firstDeviceClient = 20;

    explicit SequencerMidiPorts (int pollTimeoutMs = SequencerClient::defaultPollTimeoutMs) : pollMs (pollTimeoutMs) {}
    ~SequencerMidiPorts() override;

    // Queued for the device's connected ports and read by the input thread; returns once the
    // thread has handed the message on, or once it is clear that no thread is going to.
    int deliverNow (const juce::String& inputName, const juce::MidiMessage& message) override;

    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override;
    std::unique_ptr<Output> openOutput (const juce::String& identifier) override;

    // The shared client while a port is open; each port holds it from its opening to its deletion.
    SequencerClient& attachPort();
    void detachPort();

protected:
    juce::String makeIdentifier (const juce::String& name, bool forInput) override;

private:
    const int pollMs;
    std::mutex clientMutex;
    std::unique_ptr<SequencerClient> client;
    int numPorts = 0;
    int nextClient = firstDeviceClient;

    JUCE_DECLARE_NON_COPYABLE (SequencerMidiPorts)
};
