#include "app/KestrinOrbMiniEditorApplication.h"

#include "app/AboutWindow.h"
#include "app/DeviceManagerWindow.h"
#include "midi/OrbMiniProtocol.h"
#include "model/OrbMiniModel.h"
#include "resources/EmbeddedResources.h"
#include "views/ArtworkImages.h"
#include "views/OrbMiniProductProductImageViewSelector.h"

namespace
{
constexpr int defaultPresetSize = OrbMiniProtocol::dumpSize (OrbEditorEngine::orbMiniPayloadSize());
} // namespace

KestrinOrbMiniEditorApplication::KestrinOrbMiniEditorApplication()
    : KestrinOrbEditorApplication (OrbMiniModel::modelByte, OrbMiniModel::numKnobs, OrbMiniModel::numPads,
                                   OrbMiniModel::numSwitches, OrbMiniModel::numKeys, OrbMiniModel::octaveMaximum,
                                   OrbMiniModel::presetWildcard)
{
    userGuideFileName = "OrbMini Editor - User Guide - v1.1.pdf";

    // The logo at its own 484 x 267 pixels, whatever the zoom: the About window takes the one of
    // the zoom in use when it opens.
    logoImage = ArtworkImages::getFromSet (ArtworkImages::aboutImage, 1);

    // The first window needs both its pictures and the system's fonts, and finding the fonts means
    // opening every font file: the pictures decode on a helper thread meanwhile.
    ArtworkImages::startDecodingInBackground();
    juce::Font().getTypefacePtr();
}

KestrinOrbMiniEditorApplication::~KestrinOrbMiniEditorApplication()
{
    ArtworkImages::finishDecoding();
}

ViewSelector* KestrinOrbMiniEditorApplication::createProductImageViewSelector()
{
    auto* picture = new OrbMiniProductProductImageViewSelector();
    picture->setTopLeftPosition ((1200 - picture->getWidth()) / 2, 46);
    return picture;
}

const std::uint8_t* KestrinOrbMiniEditorApplication::getDefaultPresetData()
{
    static const std::uint8_t zeros[defaultPresetSize] {};
    auto* preset = EmbeddedResources::find (EmbeddedResources::defaultPreset);
    return preset != nullptr && preset->size == (std::size_t) defaultPresetSize ? preset->data : zeros;
}

int KestrinOrbMiniEditorApplication::getDefaultPresetDataSize()
{
    return defaultPresetSize;
}

juce::File KestrinOrbMiniEditorApplication::getUserGuideFile() const
{
    // An absolute path on purpose: the guide is installed at the root, not in the user's home.
    return juce::File ("/Documents/" + juce::String ("Kestrin/") + modelName + " Editor/" + userGuideFileName);
}

juce::String KestrinOrbMiniEditorApplication::getUserGuideMissingMessage() const
{
    return "Unable to find User Guide: " + juce::String ("\r\n") + getUserGuideFile().getFullPathName();
}

juce::File KestrinOrbMiniEditorApplication::getInstalledUserGuide (const juce::File& executable)
{
#ifdef ORBMINI_INSTALLED_USER_GUIDE
    // <prefix>/bin/OrbMiniEditor finds <prefix>/share/doc/..., wherever the prefix is.
    return executable.getParentDirectory().getParentDirectory().getChildFile (ORBMINI_INSTALLED_USER_GUIDE);
#else
    juce::ignoreUnused (executable);
    return {};
#endif
}

void KestrinOrbMiniEditorApplication::openUserGuide()
{
#if JUCE_LINUX || JUCE_BSD
    // The HTML guide installed with the editor, in the desktop's default viewer.
    const auto installed = getInstalledUserGuide (juce::File::getSpecialLocation (juce::File::currentExecutableFile));

    if (installed.existsAsFile())
    {
        installed.startAsProcess();
        return;
    }
#endif

    const auto guide = getUserGuideFile();

    if (guide.existsAsFile())
        guide.startAsProcess();
    else
        juce::NativeMessageBox::showMessageBox (juce::MessageBoxIconType::NoIcon, getApplicationName(),
                                                getUserGuideMissingMessage());
}

void KestrinOrbMiniEditorApplication::showAboutWindow()
{
    if (aboutWindow == nullptr)
    {
        logoImage = ArtworkImages::get (ArtworkImages::aboutImage); // the set of the zoom in use
        aboutWindow = new AboutWindow (logoImage, getWindowForDialogs());
    }
}

void KestrinOrbMiniEditorApplication::showDeviceSetup()
{
    if (deviceSetupWindow == nullptr)
        deviceSetupWindow =
            new DeviceManagerWindow (modelName + " Editor Device Manager", midiManager, getWindowForDialogs());
}
