#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The rows of one device list of the device setup dialog: device names in the order added.
class DeviceListModel : public juce::ListBoxModel
{
public:
    void addDevice (const juce::String& name) { names.add (name); }
    const juce::StringArray& getNames() const { return names; }

    int getNumRows() override { return names.size(); }
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool rowIsSelected) override;

private:
    juce::StringArray names;
};
