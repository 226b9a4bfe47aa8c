#include "app/WindowStacking.h"

#include <X11/Xlib.h>

void WindowStacking::raise (juce::Component& topLevel)
{
    auto* peer = topLevel.getPeer();

    if (peer == nullptr || &peer->getComponent() != &topLevel)
        return;

    // A connection of our own, kept for the process's life. The framework has flushed its own
    // requests (the new window's map included) before it asks to bring a window to the front, so
    // the raise arrives after them. With a window manager the raise becomes its restacking request.
    static Display* const connection = XOpenDisplay (nullptr);

    if (connection == nullptr)
        return;

    XRaiseWindow (connection, (Window) (juce::pointer_sized_uint) peer->getNativeHandle());
    XFlush (connection);
}
