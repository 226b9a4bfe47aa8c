#include "app/KestrinOrbMiniEditorApplication.h"

#include "resources/EmbeddedResources.h"

KestrinOrbMiniEditorApplication::KestrinOrbMiniEditorApplication()
    : KestrinOrbEditorApplication (0x3E, 8, 16, 24, 25, 7, "*.orp")
{
    userGuideFileName = "OrbMini Editor - User Guide - v1.1.pdf";

    if (auto* logo = EmbeddedResources::find ("AboutLogo.png"))
        logoImage = juce::ImageCache::getFromMemory (logo->data, (int) logo->size);
}

juce::Component* KestrinOrbMiniEditorApplication::createProductImageViewSelector()
{
    return nullptr;
}

const std::uint8_t* KestrinOrbMiniEditorApplication::getDefaultPresetData()
{
    static const std::uint8_t zeros[316] {};
    auto* preset = EmbeddedResources::find (defaultPresetResourceName);
    return preset != nullptr && preset->size == 316 ? preset->data : zeros;
}

void KestrinOrbMiniEditorApplication::openUserGuide() {}
void KestrinOrbMiniEditorApplication::showAboutWindow() {}
void KestrinOrbMiniEditorApplication::showDeviceSetup() {}
