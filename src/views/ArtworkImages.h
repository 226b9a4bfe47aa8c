#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The interface pictures compiled into the program (src/resources, drawn by tools/ArtworkGenerator).
// Each picture is decoded once and then shared through the framework's image cache.
//
// File names by role:
//   Background.png (1200x700), ProductImage.png (786x378)
//   Region<Part><State>.png   Part: DrumPads, Knobs, Keybed, Wheels, Transport, RollMode (31x20),
//                             Switches, Octave, RollModeTransport (32x21)
//   Tab<Name><State>.png      Name: Main, Knobs, Switches, DrumPads, RollMode, Transport, Keybed,
//                             ModPitch, Sustain
//   Arrow{Right,Left}<State>.png (17x26)
//   Button{GetPreset,SendPreset,SavePreset,LoadPreset}{Normal,Over}.png (249x35)
//   KeybedDivider.png (3x191), DeviceSetupBackground.png (360x425), DeviceListFrame.png (327x141),
//   AboutImage.png (484x267)
// State is one of Normal, Over, Down.
class ArtworkImages
{
public:
    static constexpr const char* background = "Background.png";
    static constexpr const char* productImage = "ProductImage.png";
    static constexpr const char* keybedDivider = "KeybedDivider.png";
    static constexpr const char* deviceSetupBackground = "DeviceSetupBackground.png";
    static constexpr const char* deviceListFrame = "DeviceListFrame.png";
    static constexpr const char* aboutImage = "AboutImage.png";

    static constexpr const char* getPresetNormal = "ButtonGetPresetNormal.png";
    static constexpr const char* getPresetOver = "ButtonGetPresetOver.png";
    static constexpr const char* sendPresetNormal = "ButtonSendPresetNormal.png";
    static constexpr const char* sendPresetOver = "ButtonSendPresetOver.png";
    static constexpr const char* savePresetNormal = "ButtonSavePresetNormal.png";
    static constexpr const char* savePresetOver = "ButtonSavePresetOver.png";
    static constexpr const char* loadPresetNormal = "ButtonLoadPresetNormal.png";
    static constexpr const char* loadPresetOver = "ButtonLoadPresetOver.png";

    // The decoded picture of that file name; an invalid (null) image if there is no such picture.
    // Message thread only.
    static juce::Image get (const char* fileName);

    // Starts decoding the pictures of the editor window (all but the About and device setup
    // pictures) that the cache does not hold yet, on a helper thread, so that the start-up work
    // of the message thread can go on meanwhile. The next get(), or finishDecoding(), waits for
    // the helper and hands its pictures to the cache. Message thread only; a second call while a
    // helper runs does nothing.
    static void startDecodingInBackground();

    // Waits for a helper started by startDecodingInBackground(), if any, and caches its pictures.
    static void finishDecoding();

    // Gives an image button its three pictures in the editor's way: resized to the normal image,
    // images rescaled with the button keeping their proportions, full opacity, no overlay colour,
    // and every pixel of the rectangle clickable (alpha threshold 0).
    static void setButtonImages (juce::ImageButton& button, const juce::Image& normal,
                                 const juce::Image& over, const juce::Image& down);

    // The same from file names.
    static void setButtonImages (juce::ImageButton& button, const char* normal, const char* over,
                                 const char* down);

    ArtworkImages() = delete;
};
