#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The X11 window of a top-level component, reached on a connection of the editor's own (kept for
// the process's life) for what the framework does not do itself: raising a window without a
// window manager, fixing its size hints.
class NativeWindow
{
public:
    using Request = std::function<void (void* display, unsigned long window)>;

    // Runs the request on the component's native window and flushes it; nothing for a component
    // that is not a top-level window on the desktop, or without a display.
    static void request (juce::Component& topLevel, const Request& makeRequest);

    NativeWindow() = delete;
};
