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
//
// Every picture also comes at twice its pixel size ("Background@2x.png"), for windows scaled above
// 100 %. One set is in use at a time and only that one is decoded (but for the logo, which the
// application keeps at its own size); a picture of either set is shown in the same bounds, its
// size in the editor's own (logical) pixels.
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

    // The decoded picture of that file name in the set in use (a name of the @2x set is taken as
    // it is); an invalid (null) image if there is no such picture. Message thread only.
    static juce::Image get (const char* fileName);

    // The same from the set of that scale (1 or 2), whichever is in use.
    static juce::Image getFromSet (const char* fileName, int setScale);

    // Chooses the set for windows drawn at that scale: the @2x set above 1, the plain set
    // otherwise. Pictures already handed out stay as they are (see swapPictures).
    static void useSetForScale (float windowScale);

    // 1 for the plain set, 2 for the @2x set.
    static int getSetScale();

    // A picture's size in the editor's pixels, whichever set it comes from (read from the plain
    // file's header, nothing decoded); empty for a name that is no picture.
    static juce::Rectangle<int> getLogicalBounds (const char* fileName);

    // The same for a picture handed out by get(); any other image gives its own size.
    static juce::Rectangle<int> getLogicalBounds (const juce::Image& picture);

    // Gives an image component the picture of that name, sized to the picture's logical bounds.
    static void setPicture (juce::ImageComponent& component, const char* fileName);

    // Replaces every picture of the other set shown by the image components and image buttons in
    // root and its children by the same picture of the set in use, keeping their bounds.
    static void swapPictures (juce::Component& root);

    // Starts decoding the editor window's pictures of the set in use (not the About and device
    // setup windows') that the cache does not hold yet, on a helper thread, so that the start-up
    // work of the message thread can go on meanwhile. Until then get() hands them out pending:
    // their size is known, and their pixels are decoded (or waited for) when first drawn or read.
    // Message thread only; a second call while a helper runs does nothing.
    static void startDecodingInBackground();

    // Hands out the pictures that startDecodingInBackground() would decode pending as well, but
    // leaves them to be decoded where they are first needed, with no helper.
    static void deferDecoding();

    // Decodes now, on this thread and the helper both, the pending pictures that root would draw
    // if it were painted now (those of its shown image components, and of its shown image buttons
    // in their present state), so that a window shows no picture late when it first appears. The
    // helper goes on with the rest.
    static void decodePicturesShownIn (juce::Component& root);

    // Whether a picture handed out by get() has been given its pixels (drawn, read, or decoded by
    // decodePicturesShownIn); a helper may have decoded it without that. Any other valid image is.
    static bool isDecoded (const juce::Image& picture);

    // Waits for a helper started by startDecodingInBackground(), if any, to decode everything.
    static void finishDecoding();

    // Gives an image button its three pictures in the editor's way: resized to the normal image's
    // logical bounds, images rescaled with the button keeping their proportions, full opacity, no
    // overlay colour, and every pixel of the rectangle clickable (alpha threshold 0).
    static void setButtonImages (juce::ImageButton& button, const juce::Image& normal, const juce::Image& over,
                                 const juce::Image& down);

    // The same from file names.
    static void setButtonImages (juce::ImageButton& button, const char* normal, const char* over, const char* down);

    ArtworkImages() = delete;
};
