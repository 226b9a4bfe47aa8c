#include "app/DisplayCheck.h"

#include <X11/Xlib.h>

bool DisplayCheck::isReachable()
{
    const auto name = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});

    if (name.isEmpty())
        return false;

    // A server that is starting, or resetting after its last client left, refuses connections for
    // a moment: try a few times before saying there is none.
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        if (auto* display = XOpenDisplay (name.toRawUTF8()))
        {
            XCloseDisplay (display);
            return true;
        }

        juce::Thread::sleep (100);
    }

    return false;
}

juce::String DisplayCheck::describeMissingDisplay()
{
    const auto name = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});
    const auto tried = name.isEmpty() ? juce::String ("DISPLAY is not set") : "no X server answers at DISPLAY=" + name;

    return "OrbMiniEditor needs a graphical display: " + tried;
}
