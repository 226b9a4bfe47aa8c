#include "app/PresetCompareWindow.h"

PresetCompareWindow::PresetCompareWindow (const juce::String& title, std::vector<PresetCompareComponent::Line> lines,
                                          const juce::String& otherTitle)
    : juce::DocumentWindow (title, juce::Colours::lightgrey, juce::DocumentWindow::closeButton),
      content (new PresetCompareComponent (std::move (lines), otherTitle))
{
    setUsingNativeTitleBar (true);
    setContentOwned (content, true);
    setResizable (true, false);
    centreWithSize (getWidth(), getHeight());
    setVisible (true);
}

void PresetCompareWindow::closeButtonPressed()
{
    delete this;
}
