#pragma once

#include "app/KestrinOrbEditorApplication.h"

// The editor for the 25-key OrbMini.
class KestrinOrbMiniEditorApplication : public KestrinOrbEditorApplication
{
public:
    KestrinOrbMiniEditorApplication();
    ~KestrinOrbMiniEditorApplication() override;

    ViewSelector* createProductImageViewSelector() override;
    juce::String getUserGuideFileName() override { return userGuideFileName; }
    juce::Image getLogoImage() override { return logoImage; }
    const std::uint8_t* getDefaultPresetData() override;
    int getDefaultPresetDataSize() override;
    void openUserGuide() override;
    void showAboutWindow() override;
    void showDeviceSetup() override;

    // The HTML user guide as installed with the given editor program (none in a build that does
    // not install it). Looked for first; then the file below.
    static juce::File getInstalledUserGuide (const juce::File& executable);

    // Where the user guide is looked for, and what is said when it is not there.
    juce::File getUserGuideFile() const;
    juce::String getUserGuideMissingMessage() const;

private:
    juce::String userGuideFileName;
    juce::Image logoImage;
    juce::String modelName { "OrbMini" };
};
