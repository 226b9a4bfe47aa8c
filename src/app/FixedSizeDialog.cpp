#include "app/FixedSizeDialog.h"

#include "app/WindowSizeHints.h"

FixedSizeDialog::FixedSizeDialog (const juce::String& title)
    : juce::ResizableWindow (title, false), keys ([this] { returnPressed(); }, [this] { cancelPressed(); })
{
    setUsingNativeTitleBar (true);
    setResizable (false, false);
}

int FixedSizeDialog::getDesktopWindowStyleFlags() const
{
    auto flags = juce::ResizableWindow::getDesktopWindowStyleFlags();
    flags |= juce::ComponentPeer::windowHasCloseButton;
    flags &= ~(juce::ComponentPeer::windowHasMaximiseButton | juce::ComponentPeer::windowHasMinimiseButton
               | juce::ComponentPeer::windowIsResizable);
    return flags;
}

void FixedSizeDialog::placeOver (juce::Component* owner)
{
    if (owner != nullptr)
        owner = owner->getTopLevelComponent();

    // Placed before the native window exists, so the window manager sees it only where it belongs.
    centreAroundComponent (owner, getWidth(), getHeight());
    addToDesktop();
    keys.attachTo (*this);
}

void FixedSizeDialog::show()
{
    setAlwaysOnTop (false);
    setVisible (true);
    // In front with the keyboard focus, so that Return and escape reach it at once.
    toFront (true);
    sizeHints.fixSize (*this);
}
