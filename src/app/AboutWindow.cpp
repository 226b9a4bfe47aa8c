#include "app/AboutWindow.h"

AboutWindow::AboutWindow (const juce::Image& image)
    : juce::ResizableWindow ({}, true), content (new AboutComponent (image))
{
    setContentOwned (content, true);
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (false);
    setVisible (true);
}

AboutWindow::~AboutWindow()
{
    masterReference.clear();
    clearContentComponent();
}
