#include "midi/MidiManager.h"

#include <vector>

namespace
{
bool isListed (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name)
{
    for (const auto& device : devices)
        if (device.name == name)
            return true;
    return false;
}

int indexOfIdentifier (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& identifier)
{
    for (int i = 0; i < devices.size(); ++i)
        if (devices.getReference (i).identifier == identifier)
            return i;
    return -1;
}

// The device of a port on Linux, where identifiers are "client-port" and the input and output of
// one device are ports of one sequencer client. Identifiers of other shapes name no device.
juce::String deviceOf (const juce::String& identifier)
{
    const auto client = identifier.upToFirstOccurrenceOf ("-", false, false);
    const auto port = identifier.fromFirstOccurrenceOf ("-", false, false);
    const auto isNumber = [] (const juce::String& text) {
        return text.isNotEmpty() && text.containsOnly ("0123456789");
    };
    return isNumber (client) && isNumber (port) ? client : juce::String();
}

// The position of the port of that name that belongs with the partner, the open port of the other
// direction: the one on the partner's device, or where identifiers name no device, the one that
// comes at the partner's rank among the ports of its own name. Without a partner, or when none
// belongs with it, the first port of the name; -1 when no port has the name.
int choosePort (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name,
                const juce::String& partnerIdentifier, const juce::Array<juce::MidiDeviceInfo>& partners)
{
    std::vector<int> named;
    for (int i = 0; i < devices.size(); ++i)
        if (devices.getReference (i).name == name)
            named.push_back (i);

    if (named.empty())
        return -1;

    if (const auto device = deviceOf (partnerIdentifier); device.isNotEmpty())
    {
        for (const int i : named)
            if (deviceOf (devices.getReference (i).identifier) == device)
                return i;
        return named.front();
    }

    const int partner = indexOfIdentifier (partners, partnerIdentifier);
    if (partner < 0)
        return named.front();

    size_t rank = 0;
    for (int i = 0; i < partner; ++i)
        if (partners.getReference (i).name == partners.getReference (partner).name)
            ++rank;
    return rank < named.size() ? named[rank] : named.front();
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

    const auto devices = ports.getInputDevices();
    const auto partners =
        outputIdentifier.isNotEmpty() ? ports.getOutputDevices() : juce::Array<juce::MidiDeviceInfo>();
    if (const int index = choosePort (devices, name, outputIdentifier, partners); index >= 0)
        openInput (devices.getReference (index));
}

void MidiManager::setOutput (const juce::String& name)
{
    const juce::ScopedLock sl (portLock);

    const auto devices = ports.getOutputDevices();
    const auto partners = inputIdentifier.isNotEmpty() ? ports.getInputDevices() : juce::Array<juce::MidiDeviceInfo>();
    const int index = choosePort (devices, name, inputIdentifier, partners);
    if (index < 0 || (output != nullptr && devices.getReference (index).identifier == outputIdentifier))
        return;

    openOutput (devices.getReference (index));
}

void MidiManager::setInput (const juce::MidiDeviceInfo& device)
{
    const juce::ScopedLock sl (portLock);

    const auto devices = ports.getInputDevices();
    if (const int index = indexOfIdentifier (devices, device.identifier); index >= 0 && device.identifier.isNotEmpty())
        openInput (devices.getReference (index));
    else
        setInput (device.name);
}

void MidiManager::setOutput (const juce::MidiDeviceInfo& device)
{
    const juce::ScopedLock sl (portLock);

    const auto devices = ports.getOutputDevices();
    const int index = indexOfIdentifier (devices, device.identifier);
    if (index < 0 || device.identifier.isEmpty())
        setOutput (device.name);
    else if (output == nullptr || device.identifier != outputIdentifier)
        openOutput (devices.getReference (index));
}

void MidiManager::chooseInput (const juce::MidiDeviceInfo& device)
{
    const juce::ScopedLock sl (portLock);

    if (isListed (ports.getInputDevices(), device.name))
    {
        setInput (device);
        return;
    }

    closeInput();
    inputName = device.name;
    sendChangeMessage();
}

void MidiManager::chooseOutput (const juce::MidiDeviceInfo& device)
{
    const juce::ScopedLock sl (portLock);

    if (isListed (ports.getOutputDevices(), device.name))
    {
        setOutput (device);
        return;
    }

    closeOutput();
    outputName = device.name;
    sendChangeMessage();
}

juce::MidiDeviceInfo MidiManager::getInputDevice() const
{
    const juce::ScopedLock sl (portLock);
    return { inputName, inputIdentifier };
}

juce::MidiDeviceInfo MidiManager::getOutputDevice() const
{
    const juce::ScopedLock sl (portLock);
    return { outputName, outputIdentifier };
}

// The new port opens and starts before the old one closes. The framework's Linux backend reads
// every input of the process on one thread, which it tells to stop when its last input closes and
// cannot start again until that thread has ended, up to 100 ms later: an input closed first and
// then replaced would never be read.
void MidiManager::openInput (const juce::MidiDeviceInfo& device)
{
    inputName = device.name;

    auto fresh = ports.openInput (device.identifier, *this);
    if (fresh == nullptr && input != nullptr)
    {
        // Some platforms give a device to one connection at a time.
        closeInput();
        fresh = ports.openInput (device.identifier, *this);
    }

    if (fresh != nullptr)
        fresh->start();

    std::swap (input, fresh);
    inputIdentifier = input != nullptr ? device.identifier : juce::String();
    fresh.reset();
    sendChangeMessage();
}

void MidiManager::openOutput (const juce::MidiDeviceInfo& device)
{
    outputName = device.name;

    auto fresh = ports.openOutput (device.identifier);
    if (fresh == nullptr && output != nullptr)
    {
        closeOutput();
        fresh = ports.openOutput (device.identifier);
    }

    std::swap (output, fresh);
    outputIdentifier = output != nullptr ? device.identifier : juce::String();
    fresh.reset();
    sendChangeMessage();
}

void MidiManager::closeInput()
{
    if (input == nullptr && inputIdentifier.isEmpty())
        return;

    input.reset();
    inputIdentifier = {};
    sendChangeMessage();
}

void MidiManager::closeOutput()
{
    if (output == nullptr && outputIdentifier.isEmpty())
        return;

    output.reset();
    outputIdentifier = {};
    sendChangeMessage();
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

    // Before it goes out, so that the record never shows a reply ahead of its request.
    if (monitorRecord.isRecording())
        monitorRecord.add (MidiMonitorRecord::Direction::out, message);

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
    if (monitorRecord.isRecording())
        monitorRecord.add (MidiMonitorRecord::Direction::in, message);

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
    // listed again, or listed with another identifier than the open port's: a device unplugged and
    // plugged back between two looks is a new device, and the old port leads nowhere. No device
    // has an empty name, so nothing opens before a port was chosen.
    if (outputName.isNotEmpty())
    {
        const auto devices = ports.getOutputDevices();
        if (! isListed (devices, outputName))
            closeOutput();
        else if (output == nullptr || indexOfIdentifier (devices, outputIdentifier) < 0)
            setOutput (outputName);
    }

    if (inputName.isNotEmpty())
    {
        const auto devices = ports.getInputDevices();
        if (! isListed (devices, inputName))
            closeInput();
        else if (input == nullptr || indexOfIdentifier (devices, inputIdentifier) < 0)
            setInput (inputName);
    }
}
