#include "midi/JuceMidiPorts.h"

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#endif

#include <mutex>

namespace
{
#if JUCE_LINUX
void ignoreAlsaError (const char*, int, const char*, int, const char*, ...) {}
#endif

void silenceSoundLibraryErrors()
{
#if JUCE_LINUX
    static std::once_flag once;
    std::call_once (once, [] { snd_lib_error_set_handler (&ignoreAlsaError); });
#endif
}

// Passes complete messages on with a null source, as every port of the layer does; partial
// System Exclusive data is dropped.
class JuceInput : public MidiPortLayer::Input, private juce::MidiInputCallback
{
public:
    JuceInput (const juce::String& identifier, juce::MidiInputCallback& target) : callback (target)
    {
        device = juce::MidiInput::openDevice (identifier, this);
    }

    ~JuceInput() override
    {
        // Deleting the device stops it and waits for its thread.
        device.reset();
    }

    bool isOpen() const { return device != nullptr; }
    void start() override { device->start(); }
    void stop() override { device->stop(); }

private:
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        callback.handleIncomingMidiMessage (nullptr, message);
    }

    juce::MidiInputCallback& callback;
    std::unique_ptr<juce::MidiInput> device;
};

class JuceOutput : public MidiPortLayer::Output
{
public:
    explicit JuceOutput (std::unique_ptr<juce::MidiOutput> d) : device (std::move (d)) {}
    void sendMessageNow (const juce::MidiMessage& message) override { device->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> device;
};
} // namespace

JuceMidiPorts::JuceMidiPorts()
{
    silenceSoundLibraryErrors();
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPorts::getInputDevices()
{
    return juce::MidiInput::getAvailableDevices();
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPorts::getOutputDevices()
{
    return juce::MidiOutput::getAvailableDevices();
}

std::unique_ptr<MidiPortLayer::Input> JuceMidiPorts::openInput (const juce::String& identifier,
                                                                juce::MidiInputCallback& callback)
{
    auto port = std::make_unique<JuceInput> (identifier, callback);
    if (! port->isOpen())
        return {};
    return port;
}

std::unique_ptr<MidiPortLayer::Output> JuceMidiPorts::openOutput (const juce::String& identifier)
{
    if (auto device = juce::MidiOutput::openDevice (identifier))
        return std::make_unique<JuceOutput> (std::move (device));
    return {};
}
