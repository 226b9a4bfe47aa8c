#pragma once

#include <juce_core/juce_core.h>

#include <optional>

// The scale of the user's desktop (1 = 100 %), as far as the editor can tell. The framework scales
// its windows by itself when it recognises the desktop's setting; where it does not (plain X
// desktops, a session without a window manager), the X server's settings say what the user chose.
class DesktopScale
{
public:
    // 96 dpi is 100 %; rounded to a quarter and kept within 100 % to 400 %.
    static float fromDpi (double dpi);

    // The value of "Xft.dpi" in the text of the X resources (as xrdb loads them), if it is there
    // and positive.
    static std::optional<double> findXftDpi (const juce::String& resources);

    // The scale the framework already applies to windows on the main display, 1 where it found
    // no setting of the desktop.
    static float getFrameworkScale();

    // The desktop's scale: the framework's own where it found one, else the window scaling factor
    // that the desktop serves over XSETTINGS, else Xft.dpi of the X resources, else 1.
    static float detect();

    DesktopScale() = delete;
};
