#pragma once

#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_gui_basics/juce_gui_basics.h>

// The rows of one device list of the device setup dialog: devices in the order added, each shown
// by its name; a device whose name is already listed shows the name with its count, as in
// "OrbMini MIDI 1 (2)", so that two units of one model can be told apart.
class DeviceListModel : public juce::ListBoxModel
{
public:
    void addDevice (const juce::MidiDeviceInfo& device);
    void addDevice (const juce::String& name) { addDevice (juce::MidiDeviceInfo (name, {})); }
    // The rows as shown.
    const juce::StringArray& getNames() const { return names; }
    juce::MidiDeviceInfo getDevice (int row) const { return devices[row]; }
    // The row of the device with that identifier, or -1.
    int findIdentifier (const juce::String& identifier) const;

    int getNumRows() override { return names.size(); }
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool rowIsSelected) override;

private:
    juce::Array<juce::MidiDeviceInfo> devices;
    juce::StringArray names;
};
