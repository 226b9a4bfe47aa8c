#include "midi/MidiManager.h"

namespace
{
bool isListed (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name)
{
    for (const auto& device : devices)
        if (device.name == name)
            return true;
    return false;
}
} // namespace

MidiManager::MidiManager (MidiPortLayer& p, int deviceWatchPeriodMs) : ports (p)
{
    startTimer (deviceWatchPeriodMs);
}

MidiManager::~MidiManager()
{
    stopTimer();
    transfers.shutdown();
    const juce::ScopedLock sl (portLock);
    output.reset();
    input.reset();
}

void MidiManager::setInput (const juce::String& name)
{
    const juce::ScopedLock sl (portLock);

    if (input != nullptr && name == inputName)
        return;

    for (const auto& device : ports.getInputDevices())
    {
        if (device.name != name)
            continue;

        inputName = name;
        // The old port goes first: a device may refuse a second connection from this process.
        input.reset();
        input = ports.openInput (device.identifier, *this);
        if (input != nullptr)
            input->start();
        return;
    }
}

void MidiManager::setOutput (const juce::String& name)
{
    const juce::ScopedLock sl (portLock);

    if (output != nullptr && name == outputName)
        return;

    // Every device of that name is opened in turn; the last one stays open.
    for (const auto& device : ports.getOutputDevices())
    {
        if (device.name != name)
            continue;

        outputName = name;
        output.reset();
        output = ports.openOutput (device.identifier);
    }
}

bool MidiManager::isConnected() const
{
    const juce::ScopedLock sl (portLock);
    return input != nullptr;
}

bool MidiManager::isOutputOpen() const
{
    const juce::ScopedLock sl (portLock);
    return output != nullptr;
}

bool MidiManager::sendMessage (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (portLock);

    if (output == nullptr)
        return false;

    output->sendMessageNow (message);
    return true;
}

void MidiManager::addListener (MidiManagerListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void MidiManager::removeListener (MidiManagerListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeFirstMatchingValue (listener);
}

void MidiManager::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    transfers.handleIncoming (message);

    const juce::ScopedLock sl (listenerLock);

    // From the most recently added to the first; the size is read again after each call so that
    // a listener that removed itself does not make the loop skip or repeat one.
    for (int i = listeners.size(); --i >= 0;)
    {
        listeners.getUnchecked (i)->handleMidiMessage (message);
        i = juce::jmin (i, listeners.size());
    }
}

void MidiManager::timerCallback()
{
    const juce::ScopedLock sl (portLock);

    // Each port is watched under its own name and reopened under that name when its device is
    // listed again. No device has an empty name, so nothing opens before a port was chosen.
    if (outputName.isNotEmpty())
    {
        if (isListed (ports.getOutputDevices(), outputName))
        {
            if (output == nullptr)
                setOutput (outputName);
        }
        else
        {
            output.reset();
        }
    }

    if (inputName.isNotEmpty())
    {
        if (isListed (ports.getInputDevices(), inputName))
        {
            if (input == nullptr)
                setInput (inputName);
        }
        else
        {
            input.reset();
        }
    }
}
