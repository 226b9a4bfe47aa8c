#include "app/DeviceListModel.h"

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
