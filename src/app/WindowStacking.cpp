#include "app/WindowStacking.h"

#include "app/NativeWindow.h"

#include <X11/Xlib.h>

void WindowStacking::raise (juce::Component& topLevel)
{
    // With a window manager the raise becomes its restacking request.
    NativeWindow::request (topLevel, [] (void* display, unsigned long window) {
        XRaiseWindow (static_cast<Display*> (display), (Window) window);
    });
}
