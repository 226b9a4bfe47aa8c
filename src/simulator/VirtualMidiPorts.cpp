#include "simulator/VirtualMidiPorts.h"

#include <algorithm>
#include <chrono>
#include <iterator>

struct VirtualMidiPorts::InputDevice
{
    class Port;

    juce::String name, identifier;
    juce::CriticalSection lock;
    bool present = true;
    std::vector<Port*> ports;
};

struct VirtualMidiPorts::OutputDevice
{
    class Port;

    juce::String name, identifier;
    juce::CriticalSection lock;
    bool present = true;
    int numOpenPorts = 0;
    OutputObserver observer;
    std::vector<juce::MidiMessage> sent;
};

namespace
{
// Takes the devices of that name out of the list, in their order.
template <typename Device>
std::vector<std::shared_ptr<Device>> takeNamed (std::vector<std::shared_ptr<Device>>& devices, const juce::String& name)
{
    std::vector<std::shared_ptr<Device>> taken;
    std::erase_if (devices, [&] (const std::shared_ptr<Device>& device) {
        if (device->name != name)
            return false;
        taken.push_back (device);
        return true;
    });
    return taken;
}

// The devices of that name in the list.
template <typename Device>
std::vector<std::shared_ptr<Device>> named (const std::vector<std::shared_ptr<Device>>& devices,
                                            const juce::String& name)
{
    std::vector<std::shared_ptr<Device>> found;
    std::copy_if (devices.begin(), devices.end(), std::back_inserter (found),
                  [&] (const std::shared_ptr<Device>& device) { return device->name == name; });
    return found;
}

// The devices as the port layer lists them.
template <typename Device>
juce::Array<juce::MidiDeviceInfo> infosOf (const std::vector<std::shared_ptr<Device>>& devices)
{
    juce::Array<juce::MidiDeviceInfo> infos;
    for (const auto& device : devices)
        infos.add ({ device->name, device->identifier });
    return infos;
}
} // namespace

class VirtualMidiPorts::InputDevice::Port : public MidiPortLayer::Input
{
public:
    Port (std::shared_ptr<InputDevice> d, juce::MidiInputCallback& c) : device (std::move (d)), callback (c)
    {
        const juce::ScopedLock sl (device->lock);
        device->ports.push_back (this);
    }

    ~Port() override
    {
        // Waits for a delivery in progress on another thread.
        const juce::ScopedLock sl (device->lock);
        device->ports.erase (std::find (device->ports.begin(), device->ports.end(), this));
    }

    void start() override
    {
        const juce::ScopedLock sl (device->lock);
        started = true;
    }

    void stop() override
    {
        const juce::ScopedLock sl (device->lock);
        started = false;
    }

    // Called with the device's lock held.
    bool deliver (const juce::MidiMessage& message)
    {
        if (! started)
            return false;
        callback.handleIncomingMidiMessage (nullptr, message);
        return true;
    }

private:
    std::shared_ptr<InputDevice> device;
    juce::MidiInputCallback& callback;
    bool started = false;
};

class VirtualMidiPorts::OutputDevice::Port : public MidiPortLayer::Output
{
public:
    explicit Port (std::shared_ptr<OutputDevice> d) : device (std::move (d))
    {
        const juce::ScopedLock sl (device->lock);
        ++device->numOpenPorts;
    }

    ~Port() override
    {
        const juce::ScopedLock sl (device->lock);
        --device->numOpenPorts;
    }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        const juce::ScopedLock sl (device->lock);
        if (! device->present)
            return;
        device->sent.push_back (message);
        if (device->observer)
            device->observer (message);
    }

private:
    std::shared_ptr<OutputDevice> device;
};

VirtualMidiPorts::VirtualMidiPorts()
{
    driver = std::thread ([this] { runDriver(); });
}

VirtualMidiPorts::~VirtualMidiPorts()
{
    stopDriver();
}

void VirtualMidiPorts::stopDriver()
{
    if (! driver.joinable())
        return;

    {
        const std::lock_guard<std::mutex> lg (queueMutex);
        quitting = true;
    }
    queueChanged.notify_all();
    driver.join();
}

juce::String VirtualMidiPorts::addInput (const juce::String& name)
{
    auto device = std::make_shared<InputDevice>();
    const juce::ScopedLock sl (devicesLock);
    device->name = name;
    device->identifier = makeIdentifier (name, true);
    inputs.push_back (device);
    return device->identifier;
}

juce::String VirtualMidiPorts::addOutput (const juce::String& name)
{
    auto device = std::make_shared<OutputDevice>();
    const juce::ScopedLock sl (devicesLock);
    device->name = name;
    device->identifier = makeIdentifier (name, false);
    for (const auto& [observedName, observer] : observers)
        if (observedName == name)
            device->observer = observer;
    outputs.push_back (device);
    return device->identifier;
}

juce::String VirtualMidiPorts::makeIdentifier (const juce::String&, bool forInput)
{
    return (forInput ? "virtual-in-" : "virtual-out-") + juce::String (nextIdentifier++);
}

void VirtualMidiPorts::removeInput (const juce::String& name)
{
    std::vector<std::shared_ptr<InputDevice>> removed;
    {
        const juce::ScopedLock sl (devicesLock);
        removed = takeNamed (inputs, name);
    }

    for (auto& device : removed)
    {
        const juce::ScopedLock sl (device->lock);
        device->present = false;
    }
}

void VirtualMidiPorts::removeOutput (const juce::String& name)
{
    const juce::ScopedLock sl (devicesLock);
    // What the unplugged devices received stays readable under their name.
    for (auto& device : takeNamed (outputs, name))
    {
        const juce::ScopedLock dl (device->lock);
        device->present = false;
        if (! device->sent.empty())
            retiredSent[name].insert (retiredSent[name].end(), device->sent.begin(), device->sent.end());
    }
}

std::vector<std::shared_ptr<VirtualMidiPorts::InputDevice>>
VirtualMidiPorts::findInputs (const juce::String& name) const
{
    const juce::ScopedLock sl (devicesLock);
    return named (inputs, name);
}

std::vector<std::shared_ptr<VirtualMidiPorts::OutputDevice>>
VirtualMidiPorts::findOutputs (const juce::String& name) const
{
    const juce::ScopedLock sl (devicesLock);
    return named (outputs, name);
}

void VirtualMidiPorts::deliver (const juce::String& inputName, const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> lg (queueMutex);
        queue.push_back ({ inputName, message });
    }
    queueChanged.notify_all();
}

int VirtualMidiPorts::deliverNow (const juce::String& inputName, const juce::MidiMessage& message)
{
    int received = 0;
    for (auto& device : findInputs (inputName))
    {
        const juce::ScopedLock sl (device->lock);
        if (! device->present)
            continue;
        for (auto* port : device->ports)
            if (port->deliver (message))
                ++received;
    }
    return received;
}

bool VirtualMidiPorts::waitUntilDelivered (int timeoutMs)
{
    std::unique_lock<std::mutex> lock (queueMutex);
    return queueChanged.wait_for (lock, std::chrono::milliseconds (timeoutMs),
                                  [this] { return queue.empty() && ! delivering; });
}

void VirtualMidiPorts::runDriver()
{
    std::unique_lock<std::mutex> lock (queueMutex);
    for (;;)
    {
        queueChanged.wait (lock, [this] { return quitting || ! queue.empty(); });
        if (quitting)
            return;

        auto next = std::move (queue.front());
        queue.pop_front();
        delivering = true;
        lock.unlock();
        deliverNow (next.inputName, next.message);
        lock.lock();
        delivering = false;
        queueChanged.notify_all();
    }
}

std::vector<juce::MidiMessage> VirtualMidiPorts::getSentMessages (const juce::String& outputName) const
{
    std::vector<juce::MidiMessage> result;
    const juce::ScopedLock sl (devicesLock);
    if (auto it = retiredSent.find (outputName); it != retiredSent.end())
        result = it->second;
    for (const auto& device : outputs)
    {
        if (device->name != outputName)
            continue;
        const juce::ScopedLock dl (device->lock);
        result.insert (result.end(), device->sent.begin(), device->sent.end());
    }
    return result;
}

int VirtualMidiPorts::getNumSentMessages (const juce::String& outputName) const
{
    return (int) getSentMessages (outputName).size();
}

void VirtualMidiPorts::clearSentMessages (const juce::String& outputName)
{
    const juce::ScopedLock sl (devicesLock);
    retiredSent.erase (outputName);
    for (const auto& device : outputs)
    {
        if (device->name != outputName)
            continue;
        const juce::ScopedLock dl (device->lock);
        device->sent.clear();
    }
}

void VirtualMidiPorts::setOutputObserver (const juce::String& outputName, OutputObserver observer)
{
    {
        const juce::ScopedLock sl (devicesLock);
        observers.erase (std::remove_if (observers.begin(), observers.end(),
                                         [&] (const auto& entry) { return entry.first == outputName; }),
                         observers.end());
        if (observer)
            observers.emplace_back (outputName, observer);
    }

    for (auto& device : findOutputs (outputName))
    {
        const juce::ScopedLock dl (device->lock);
        device->observer = observer;
    }
}

int VirtualMidiPorts::getNumOpenInputs (const juce::String& name) const
{
    int count = 0;
    for (auto& device : findInputs (name))
    {
        const juce::ScopedLock sl (device->lock);
        count += (int) device->ports.size();
    }
    return count;
}

int VirtualMidiPorts::getNumOpenOutputs (const juce::String& name) const
{
    int count = 0;
    for (auto& device : findOutputs (name))
    {
        const juce::ScopedLock sl (device->lock);
        count += device->numOpenPorts;
    }
    return count;
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiPorts::getInputDevices()
{
    const juce::ScopedLock sl (devicesLock);
    return infosOf (inputs);
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiPorts::getOutputDevices()
{
    const juce::ScopedLock sl (devicesLock);
    return infosOf (outputs);
}

std::unique_ptr<MidiPortLayer::Input> VirtualMidiPorts::openInput (const juce::String& identifier,
                                                                   juce::MidiInputCallback& callback)
{
    std::shared_ptr<InputDevice> device;
    {
        const juce::ScopedLock sl (devicesLock);
        for (const auto& d : inputs)
            if (d->identifier == identifier)
                device = d;
    }
    if (device == nullptr)
        return {};
    return std::make_unique<InputDevice::Port> (device, callback);
}

std::unique_ptr<MidiPortLayer::Output> VirtualMidiPorts::openOutput (const juce::String& identifier)
{
    std::shared_ptr<OutputDevice> device;
    {
        const juce::ScopedLock sl (devicesLock);
        for (const auto& d : outputs)
            if (d->identifier == identifier)
                device = d;
    }
    if (device == nullptr)
        return {};
    return std::make_unique<OutputDevice::Port> (device);
}
