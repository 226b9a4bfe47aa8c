#include "app/DesktopScale.h"

// The framework's X11 helpers, for the X resources and the XSETTINGS it already reads.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>

namespace
{
#if JUCE_LINUX || JUCE_BSD
// The RESOURCE_MANAGER property of the root window: the X resources that xrdb loaded.
juce::String readXResources()
{
    auto* windowSystem = juce::XWindowSystem::getInstance();
    auto* display = windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;

    if (display == nullptr)
        return {};

    juce::XWindowSystemUtilities::ScopedXLock lock;
    const auto root = juce::X11Symbols::getInstance()->xDefaultRootWindow (display);
    juce::XWindowSystemUtilities::GetXProperty property (display, root, XA_RESOURCE_MANAGER, 0, 1 << 20, false,
                                                         XA_STRING);

    if (! property.success || property.data == nullptr || property.actualFormat != 8)
        return {};

    return juce::String::fromUTF8 (reinterpret_cast<const char*> (property.data), (int) property.numItems);
}

// GTK's window scaling factor as the desktop's settings daemon serves it; 0 without one.
int xsettingsWindowScalingFactor()
{
    auto* windowSystem = juce::XWindowSystem::getInstance();
    auto* settings = windowSystem != nullptr ? windowSystem->getXSettings() : nullptr;

    if (settings == nullptr)
        return 0;

    const auto setting = settings->getSetting (juce::XWindowSystem::getWindowScalingFactorSettingName());
    return setting.isValid() ? setting.integerValue : 0;
}
#else
juce::String readXResources()
{
    return {};
}
int xsettingsWindowScalingFactor()
{
    return 0;
}
#endif
} // namespace

float DesktopScale::fromDpi (double dpi)
{
    const auto quarters = std::round (dpi / 96.0 * 4.0);
    return (float) juce::jlimit (1.0, 4.0, quarters / 4.0);
}

std::optional<double> DesktopScale::findXftDpi (const juce::String& resources)
{
    for (auto line : juce::StringArray::fromLines (resources))
    {
        line = line.trim();

        if (! line.startsWith ("Xft.dpi"))
            continue;

        const auto rest = line.substring (7).trimStart();

        if (! rest.startsWithChar (':'))
            continue;

        const auto value = rest.substring (1).trim();

        if (value.containsOnly ("0123456789.") && value.getDoubleValue() > 0.0)
            return value.getDoubleValue();
    }

    return std::nullopt;
}

float DesktopScale::getFrameworkScale()
{
    auto& desktop = juce::Desktop::getInstance();
    const auto* main = desktop.getDisplays().getPrimaryDisplay();

    if (main == nullptr || main->scale <= 0.0)
        return 1.0f;

    return (float) (main->scale / desktop.getGlobalScaleFactor());
}

float DesktopScale::detect()
{
    if (const auto framework = getFrameworkScale(); std::abs (framework - 1.0f) > 0.01f)
        return framework;

    if (const auto factor = xsettingsWindowScalingFactor(); factor > 1)
        return fromDpi (96.0 * factor);

    if (const auto dpi = findXftDpi (readXResources()))
        return fromDpi (*dpi);

    return 1.0f;
}
