#include "app/DisplayCheck.h"

#include <X11/Xlib.h>

bool DisplayCheck::isReachable()
{
    const auto name = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});

    if (name.isEmpty())
        return false;

    auto* display = XOpenDisplay (name.toRawUTF8());

    if (display == nullptr)
        return false;

    XCloseDisplay (display);
    return true;
}

juce::String DisplayCheck::describeMissingDisplay()
{
    const auto name = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});
    const auto tried = name.isEmpty() ? juce::String ("DISPLAY is not set")
                                      : "no X server answers at DISPLAY=" + name;

    return "OrbMiniEditor needs a graphical display: " + tried;
}
