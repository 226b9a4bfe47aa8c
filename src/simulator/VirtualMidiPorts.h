#pragma once

#include "midi/MidiPortLayer.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// In-memory MIDI devices. Devices are plugged in and out by name at any time; what is sent to an
// output is recorded (and can be watched), and messages reach an input's open ports either on a
// driver thread of this object, like a platform driver, or synchronously on the caller's thread.
// Ports opened on a device that is then unplugged stay valid objects but go dead: they deliver
// and accept nothing, as a real port of a vanished device does.
class VirtualMidiPorts : public MidiPortLayer
{
public:
    // Called on the sending thread, for every message an open port of the output accepts.
    using OutputObserver = std::function<void (const juce::MidiMessage&)>;

    VirtualMidiPorts();
    ~VirtualMidiPorts() override;

    // Plugging in: returns the new device's identifier (unique for the life of this object, so a
    // replugged device gets a new one, as with a real driver). Names may repeat.
    juce::String addInput (const juce::String& name);
    juce::String addOutput (const juce::String& name);
    // Unplugging every device of that name.
    void removeInput (const juce::String& name);
    void removeOutput (const juce::String& name);

    // Queued for the driver thread; delivered in order to every started port of the named input.
    void deliver (const juce::String& inputName, const juce::MidiMessage& message);
    // Delivered before this returns; returns the number of ports that received it. These ports
    // deliver on the calling thread.
    virtual int deliverNow (const juce::String& inputName, const juce::MidiMessage& message);
    // Waits until the driver thread's queue is empty and its last message delivered.
    bool waitUntilDelivered (int timeoutMs);

    // What open ports of the named outputs accepted, in order.
    std::vector<juce::MidiMessage> getSentMessages (const juce::String& outputName) const;
    int getNumSentMessages (const juce::String& outputName) const;
    void clearSentMessages (const juce::String& outputName);
    // Replaces the observer of every present and future output of that name (null removes it).
    // Once this returns, no call to the previous observer is running.
    void setOutputObserver (const juce::String& outputName, OutputObserver observer);

    // Ports currently open (not deleted) on present devices of that name.
    int getNumOpenInputs (const juce::String& name) const;
    int getNumOpenOutputs (const juce::String& name) const;

    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) override;
    std::unique_ptr<Output> openOutput (const juce::String& identifier) override;

    struct InputDevice;
    struct OutputDevice;

protected:
    // The identifier of a device being plugged in, called with the device list locked. These
    // ports number every device anew.
    virtual juce::String makeIdentifier (const juce::String& name, bool forInput);
    // Ends the thread that delivers queued messages: a subclass whose delivery needs its own members
    // calls this first in its destructor.
    void stopDriver();

private:
    struct Pending
    {
        juce::String inputName;
        juce::MidiMessage message;
    };

    std::vector<std::shared_ptr<InputDevice>> findInputs (const juce::String& name) const;
    std::vector<std::shared_ptr<OutputDevice>> findOutputs (const juce::String& name) const;
    void runDriver();

    juce::CriticalSection devicesLock;
    std::vector<std::shared_ptr<InputDevice>> inputs;
    std::vector<std::shared_ptr<OutputDevice>> outputs;
    std::vector<std::pair<juce::String, OutputObserver>> observers;
    std::map<juce::String, std::vector<juce::MidiMessage>> retiredSent;
    int nextIdentifier = 1;

    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<Pending> queue;
    bool delivering = false;
    bool quitting = false;
    std::thread driver;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiPorts)
};
