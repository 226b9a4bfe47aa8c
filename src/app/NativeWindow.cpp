#include "app/NativeWindow.h"

#include <X11/Xlib.h>

void NativeWindow::request (juce::Component& topLevel, const Request& makeRequest)
{
    auto* peer = topLevel.getPeer();

    if (peer == nullptr || &peer->getComponent() != &topLevel)
        return;

    // The framework has flushed its own requests for the window (its creation, map and placing)
    // before it returns from them, so these arrive after them.
    static Display* const connection = XOpenDisplay (nullptr);

    if (connection == nullptr)
        return;

    makeRequest (connection, (unsigned long) (juce::pointer_sized_uint) peer->getNativeHandle());
    XFlush (connection);
}
