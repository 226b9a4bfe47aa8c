#include "app/PresetCompareWindow.h"

PresetCompareWindow::PresetCompareWindow (const juce::String& title, std::vector<PresetCompareComponent::Line> lines,
                                          const juce::String& otherTitle, juce::Component* owner)
    : juce::DocumentWindow (title, juce::Colours::lightgrey, juce::DocumentWindow::closeButton),
      content (new PresetCompareComponent (std::move (lines), otherTitle)),
      keys ([this] { closeButtonPressed(); }, [this] { closeButtonPressed(); })
{
    setUsingNativeTitleBar (true);
    setContentOwned (content, true);
    setResizable (true, false);
    centreAroundComponent (owner != nullptr ? owner->getTopLevelComponent() : nullptr, getWidth(), getHeight());
    keys.attachTo (*this);
    setVisible (true);
}

void PresetCompareWindow::closeButtonPressed()
{
    delete this;
}
