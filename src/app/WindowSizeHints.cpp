#include "app/WindowSizeHints.h"

#include "app/NativeWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
void setHints (juce::Component& topLevel)
{
    auto* peer = topLevel.getPeer();
    if (peer == nullptr)
        return;

    const auto bounds = juce::Desktop::getInstance().getDisplays().logicalToPhysical (peer->getBounds());

    NativeWindow::request (topLevel, [bounds] (void* display, unsigned long window) {
        XSizeHints hints {};
        hints.flags = USPosition | USSize | PMinSize | PMaxSize;
        hints.x = bounds.getX();
        hints.y = bounds.getY();
        hints.width = hints.min_width = hints.max_width = bounds.getWidth();
        hints.height = hints.min_height = hints.max_height = bounds.getHeight();
        XSetWMNormalHints (static_cast<Display*> (display), (Window) window, &hints);
    });
}
} // namespace

void WindowSizeHints::fixSize (juce::Component& topLevel)
{
    // The framework sets the hints once more while it finishes showing the window: they are
    // fixed again a moment later, which the window manager takes as it does any change of them.
    setHints (topLevel);
    window = &topLevel;
    startTimer (300);
}

void WindowSizeHints::timerCallback()
{
    stopTimer();
    if (window != nullptr)
        setHints (*window);
}
