#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

// The platform's MIDI service as the port manager sees it: device lists, and ports opened by
// identifier. The application uses the framework's devices; tests use in-memory ports.
class MidiPortLayer
{
public:
    class Input
    {
    public:
        virtual ~Input() = default;
        virtual void start() = 0;
        virtual void stop() = 0;
    };

    class Output
    {
    public:
        virtual ~Output() = default;
        virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
    };

    virtual ~MidiPortLayer() = default;

    virtual juce::Array<juce::MidiDeviceInfo> getInputDevices() = 0;
    virtual juce::Array<juce::MidiDeviceInfo> getOutputDevices() = 0;
    // Incoming messages reach the callback on a thread of the port's own, with a null source.
    virtual std::unique_ptr<Input> openInput (const juce::String& identifier, juce::MidiInputCallback& callback) = 0;
    virtual std::unique_ptr<Output> openOutput (const juce::String& identifier) = 0;
};
