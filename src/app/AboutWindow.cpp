#include "app/AboutWindow.h"

AboutWindow::AboutWindow (const juce::Image& image, juce::Component* owner)
    : juce::ResizableWindow ({}, false), content (new AboutComponent (image)),
      keys ([this] { delete this; }, [this] { delete this; })
{
    setContentOwned (content, true);
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    centreAroundComponent (owner != nullptr ? owner->getTopLevelComponent() : nullptr, getWidth(), getHeight());
    addToDesktop();
    keys.attachTo (*this);
    setAlwaysOnTop (false);
    setVisible (true);
    toFront (true);
}

AboutWindow::~AboutWindow()
{
    masterReference.clear();
    clearContentComponent();
}
