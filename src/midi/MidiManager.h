#pragma once

#include "midi/MidiMonitorRecord.h"
#include "midi/MidiPortLayer.h"
#include "midi/TransferQueue.h"

#include <juce_audio_devices/juce_audio_devices.h>

// The process's one connection to the MIDI hardware: at most one input and one output, each
// chosen by device name, watched once a second so that an unplugged device is closed and
// reopened when it comes back. Input and output are kept on one device where several share a
// name. Change listeners hear, on the message thread, whenever a port opens or closes.
class MidiManager : public juce::MidiInputCallback, public juce::ChangeBroadcaster, private juce::Timer
{
public:
    class MidiManagerListener
    {
    public:
        // Called on the MIDI input thread.
        virtual void handleMidiMessage (const juce::MidiMessage& message) = 0;
        virtual ~MidiManagerListener() = default;
    };

    explicit MidiManager (MidiPortLayer& ports, int deviceWatchPeriodMs = 1000);
    ~MidiManager() override;

    // Choosing the open input again reopens it; choosing the open output again does nothing.
    void setInput (const juce::String& name);
    void setOutput (const juce::String& name);
    // One device among several of a name, by identifier; by name when it is no longer listed.
    void setInput (const juce::MidiDeviceInfo& device);
    void setOutput (const juce::MidiDeviceInfo& device);
    // A port that may not be plugged in: opened at once when a device of the name is listed (the
    // one of that identifier among several), otherwise as soon as the watch sees one appear.
    void chooseInput (const juce::MidiDeviceInfo& device);
    void chooseOutput (const juce::MidiDeviceInfo& device);
    // The chosen port's name, whether it is open or waiting for its device.
    const juce::String& getInputName() const { return inputName; }
    const juce::String& getOutputName() const { return outputName; }
    // The name and identifier of the open port; the identifier is empty while it is closed.
    juce::MidiDeviceInfo getInputDevice() const;
    juce::MidiDeviceInfo getOutputDevice() const;

    // These three may be called from any thread.
    bool isConnected() const;
    bool isOutputOpen() const;
    bool sendMessage (const juce::MidiMessage& message);

    // Preset transfers of every window go through this one queue.
    TransferQueue& getTransfers() { return transfers; }

    // Every message sent and received, while the MIDI monitor records.
    MidiMonitorRecord& getMonitorRecord() { return monitorRecord; }

    void addListener (MidiManagerListener* listener);
    void removeListener (MidiManagerListener* listener);

    MidiPortLayer& getPorts() { return ports; }

    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;

private:
    void timerCallback() override;
    void openInput (const juce::MidiDeviceInfo& device);
    void openOutput (const juce::MidiDeviceInfo& device);
    void closeInput();
    void closeOutput();

    MidiPortLayer& ports;
    juce::String inputName, outputName;
    juce::String inputIdentifier, outputIdentifier;
    juce::Array<MidiManagerListener*> listeners;
    juce::CriticalSection listenerLock;
    // Guards the two ports, which the transfer thread uses while the message thread may close them.
    mutable juce::CriticalSection portLock;
    std::unique_ptr<MidiPortLayer::Input> input;
    std::unique_ptr<MidiPortLayer::Output> output;
    MidiMonitorRecord monitorRecord;
    TransferQueue transfers { *this };

    JUCE_DECLARE_NON_COPYABLE (MidiManager)
};
