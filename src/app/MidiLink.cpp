#include "app/MidiLink.h"

namespace
{
// The one device whose name contains the controller's; an empty name when none or several do.
juce::MidiDeviceInfo onlyController (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::MidiDeviceInfo found;
    int count = 0;
    for (const auto& device : devices)
        if (device.name.contains (MidiLink::deviceNamePart) && ++count == 1)
            found = device;
    return count == 1 ? found : juce::MidiDeviceInfo();
}

// The identifier of an open port, or the hint kept from before while the port waits.
juce::MidiDeviceInfo toRemember (const juce::MidiDeviceInfo& open, const juce::MidiDeviceInfo& remembered)
{
    if (open.identifier.isEmpty() && open.name == remembered.name)
        return remembered;
    return open;
}
} // namespace

MidiLink::MidiLink (MidiManager& m, EditorSettings& s) : manager (m), settings (s)
{
    manager.addChangeListener (this);
}

MidiLink::~MidiLink()
{
    manager.removeChangeListener (this);
}

void MidiLink::restore()
{
    const auto input = settings.getInput(), output = settings.getOutput();

    if (input.name.isNotEmpty())
        manager.chooseInput (input);
    if (output.name.isNotEmpty())
        manager.chooseOutput (output);

    if (nothingChosen())
        takeTheOnlyController();

    // Looks again for a controller plugged in later, as long as none is chosen.
    startTimer (1000);
}

bool MidiLink::nothingChosen() const
{
    return manager.getInputName().isEmpty() && manager.getOutputName().isEmpty();
}

void MidiLink::takeTheOnlyController()
{
    const auto input = onlyController (manager.getPorts().getInputDevices());
    const auto output = onlyController (manager.getPorts().getOutputDevices());

    if (input.name.isNotEmpty() && output.name.isNotEmpty())
    {
        manager.setInput (input);
        manager.setOutput (output);
    }
}

void MidiLink::timerCallback()
{
    if (nothingChosen())
        takeTheOnlyController();
    else
        stopTimer();
}

void MidiLink::changeListenerCallback (juce::ChangeBroadcaster*)
{
    if (const auto input = manager.getInputDevice(); input.name.isNotEmpty())
        settings.setInput (toRemember (input, settings.getInput()));
    if (const auto output = manager.getOutputDevice(); output.name.isNotEmpty())
        settings.setOutput (toRemember (output, settings.getOutput()));
}
