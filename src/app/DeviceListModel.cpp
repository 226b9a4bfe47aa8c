#include "app/DeviceListModel.h"

void DeviceListModel::addDevice (const juce::MidiDeviceInfo& device)
{
    int sameName = 0;
    for (const auto& listed : devices)
        if (listed.name == device.name)
            ++sameName;

    devices.add (device);
    names.add (sameName == 0 ? device.name : device.name + " (" + juce::String (sameName + 1) + ")");
}

int DeviceListModel::findIdentifier (const juce::String& identifier) const
{
    for (int row = 0; row < devices.size(); ++row)
        if (identifier.isNotEmpty() && devices.getReference (row).identifier == identifier)
            return row;
    return -1;
}

void DeviceListModel::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool rowIsSelected)
{
    // Unselected rows are white text straight on the list frame picture; the selected row is
    // inverted.
    if (rowIsSelected)
    {
        g.fillAll (juce::Colours::white);
        g.setColour (juce::Colours::black);
    }
    else
    {
        g.setColour (juce::Colours::white);
    }

    g.setFont ((float) height * 0.7f);
    g.drawText (names[row], 5, 0, width, height, juce::Justification::centredLeft, true);
}
