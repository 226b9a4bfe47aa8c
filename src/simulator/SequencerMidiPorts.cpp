#include "simulator/SequencerMidiPorts.h"

#include <algorithm>
#include <atomic>

namespace
{
// The delivery that deliverNow is making on this thread, which the connections it reaches join.
thread_local std::shared_ptr<SequencerClient::Delivery>* currentDelivery = nullptr;

juce::String clientOf (const juce::String& identifier)
{
    return identifier.upToFirstOccurrenceOf ("-", false, false);
}

// An input port of the process's client, connected to a device. As in the framework, starting and
// stopping enable and disable its callback, which the client counts to run its input thread.
class SequencerInput : public MidiPortLayer::Input, private SequencerClient::Receiver, private juce::MidiInputCallback
{
public:
    SequencerInput (SequencerMidiPorts& o, juce::MidiInputCallback& target)
        : owner (o), client (o.attachPort()), callback (target)
    {
        portId = client.createPort (*this);
    }

    ~SequencerInput() override
    {
        enableCallback (false);
        connection.reset();
        client.deletePort (portId);
        owner.detachPort();
    }

    bool connect (const juce::String& identifier)
    {
        connection = owner.VirtualMidiPorts::openInput (identifier, *this);
        if (connection != nullptr)
            connection->start();
        return connection != nullptr;
    }

    void start() override { enableCallback (true); }
    void stop() override { enableCallback (false); }

private:
    void enableCallback (bool enable)
    {
        if (enabled.exchange (enable) == enable)
            return;
        if (enable)
            client.registerCallback();
        else
            client.unregisterCallback();
    }

    // The device sent something: it goes into the client's queue.
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        client.post (portId, message, currentDelivery != nullptr ? *currentDelivery : nullptr);
    }

    // The input thread hands it on.
    bool receive (const juce::MidiMessage& message) override
    {
        if (! enabled)
            return false;
        callback.handleIncomingMidiMessage (nullptr, message);
        return true;
    }

    SequencerMidiPorts& owner;
    SequencerClient& client;
    juce::MidiInputCallback& callback;
    int portId = -1;
    std::atomic<bool> enabled { false };
    std::unique_ptr<MidiPortLayer::Input> connection;
};

// An output port of the process's client: it keeps the client alive while open.
class SequencerOutput : public MidiPortLayer::Output
{
public:
    SequencerOutput (SequencerMidiPorts& o, std::unique_ptr<MidiPortLayer::Output> c)
        : owner (o), connection (std::move (c))
    {
        owner.attachPort();
    }

    ~SequencerOutput() override
    {
        connection.reset();
        owner.detachPort();
    }

    void sendMessageNow (const juce::MidiMessage& message) override { connection->sendMessageNow (message); }

private:
    SequencerMidiPorts& owner;
    std::unique_ptr<MidiPortLayer::Output> connection;
};
} // namespace

SequencerMidiPorts::~SequencerMidiPorts()
{
    stopDriver();
}

// The other direction's device of that name without a port of this direction is the same device;
// otherwise this is a new device, with a client of its own.
juce::String SequencerMidiPorts::makeIdentifier (const juce::String& name, bool forInput)
{
    const auto others = forInput ? getOutputDevices() : getInputDevices();
    const auto same = forInput ? getInputDevices() : getOutputDevices();

    for (const auto& other : others)
    {
        if (other.name != name)
            continue;

        const auto taken = std::any_of (same.begin(), same.end(), [&] (const juce::MidiDeviceInfo& device) {
            return clientOf (device.identifier) == clientOf (other.identifier);
        });
        if (! taken)
            return other.identifier;
    }

    return juce::String (nextClient++) + "-0";
}

int SequencerMidiPorts::deliverNow (const juce::String& inputName, const juce::MidiMessage& message)
{
    auto delivery = std::make_shared<SequencerClient::Delivery>();
    currentDelivery = &delivery;
    VirtualMidiPorts::deliverNow (inputName, message);
    currentDelivery = nullptr;
    // Longer than the input thread ever takes: only a callback that hangs makes this give up.
    return delivery->waitUntilSettled (2000);
}

std::unique_ptr<MidiPortLayer::Input> SequencerMidiPorts::openInput (const juce::String& identifier,
                                                                     juce::MidiInputCallback& callback)
{
    auto port = std::make_unique<SequencerInput> (*this, callback);
    if (! port->connect (identifier))
        return {};
    return port;
}

std::unique_ptr<MidiPortLayer::Output> SequencerMidiPorts::openOutput (const juce::String& identifier)
{
    auto connection = VirtualMidiPorts::openOutput (identifier);
    if (connection == nullptr)
        return {};
    return std::make_unique<SequencerOutput> (*this, std::move (connection));
}

SequencerClient& SequencerMidiPorts::attachPort()
{
    const std::lock_guard<std::mutex> lg (clientMutex);
    if (client == nullptr)
        client = std::make_unique<SequencerClient> (pollMs);
    ++numPorts;
    return *client;
}

void SequencerMidiPorts::detachPort()
{
    std::unique_ptr<SequencerClient> closing;
    {
        const std::lock_guard<std::mutex> lg (clientMutex);
        if (--numPorts == 0)
            closing = std::move (client);
    }
    // Deleting the last port closes the client, which waits for its input thread to end.
}
