#include "views/ArtworkImages.h"
#include "views/OrbMiniProductProductImageViewSelector.h"

#include "TestOutput.h"

#include <gtest/gtest.h>

namespace
{
struct Expected
{
    juce::String name;
    int width, height;
};

std::vector<Expected> expectedImages()
{
    std::vector<Expected> list = {
        { "Background.png", 1200, 700 },           { "ProductImage.png", 786, 378 },
        { "KeybedDivider.png", 3, 191 },           { "DeviceSetupBackground.png", 360, 425 },
        { "DeviceListFrame.png", 327, 141 },       { "AboutImage.png", 484, 267 },
    };

    const char* tabs[] = { "Main", "Knobs", "Switches", "DrumPads", "RollMode", "Transport", "Keybed", "ModPitch", "Sustain" };

    for (auto* state : { "Normal", "Over", "Down" })
    {
        for (auto* tab : tabs)
        {
            const auto wide = juce::String (tab) == "Main" || juce::String (tab) == "Sustain";
            list.push_back ({ juce::String ("Tab") + tab + state + ".png", wide ? 138 : 132, 40 });
        }

        list.push_back ({ juce::String ("ArrowRight") + state + ".png", 17, 26 });
        list.push_back ({ juce::String ("ArrowLeft") + state + ".png", 17, 26 });
    }

    for (auto* button : { "GetPreset", "SendPreset", "SavePreset", "LoadPreset" })
        for (auto* state : { "Normal", "Over" })
            list.push_back ({ juce::String ("Button") + button + state + ".png", 249, 35 });

    return list;
}

float averageBrightness (const juce::Image& image, juce::Rectangle<int> area)
{
    const juce::Image::BitmapData data (image, juce::Image::BitmapData::readOnly);
    double sum = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            sum += data.getPixelColour (x, y).getPerceivedBrightness();

    return (float) (sum / (area.getWidth() * area.getHeight()));
}

} // namespace

TEST (Artwork, EveryPictureIsEmbeddedAtItsSize)
{
    for (auto& e : expectedImages())
    {
        const auto image = ArtworkImages::get (e.name.toRawUTF8());
        ASSERT_TRUE (image.isValid()) << e.name;
        EXPECT_EQ (image.getWidth(), e.width) << e.name;
        EXPECT_EQ (image.getHeight(), e.height) << e.name;
    }

    EXPECT_FALSE (ArtworkImages::get ("NoSuchPicture.png").isValid());
    EXPECT_FALSE (ArtworkImages::get (nullptr).isValid());
}

TEST (Artwork, RegionPicturesMatchTheProductPictureAndChangeWithTheirState)
{
    const auto product = ArtworkImages::get (ArtworkImages::productImage);
    OrbMiniProductProductImageViewSelector selector;

    for (int i = 0; i < selector.getNumViewButtons(); ++i)
    {
        auto* button = dynamic_cast<juce::ImageButton*> (selector.getViewButton (i));
        ASSERT_NE (button, nullptr);
        const auto normal = button->getNormalImage();

        // the resting region is the picture underneath it, so nothing shifts on hover or selection
        EXPECT_TRUE (samePixels (normal, product.getClippedImage (button->getBounds()))) << button->getName();
        EXPECT_EQ (button->getOverImage().getBounds(), normal.getBounds()) << button->getName();
        EXPECT_EQ (button->getDownImage().getBounds(), normal.getBounds()) << button->getName();
        EXPECT_FALSE (samePixels (normal, button->getOverImage())) << button->getName();
        EXPECT_FALSE (samePixels (normal, button->getDownImage())) << button->getName();
        EXPECT_FALSE (samePixels (button->getOverImage(), button->getDownImage())) << button->getName();
    }
}

TEST (Artwork, WhiteAndBlackTextStayLegible)
{
    // white labels and captions of the section views sit on the lower panel and the tab row
    const auto background = ArtworkImages::get (ArtworkImages::background);
    EXPECT_LT (averageBrightness (background, { 0, 490, 1200, 210 }), 0.3f);
    EXPECT_LT (averageBrightness (background, { 0, 450, 1200, 40 }), 0.3f);

    // the About window writes black text at y 133 and in the bottom 50 pixels
    const auto about = ArtworkImages::get (ArtworkImages::aboutImage);
    EXPECT_GT (averageBrightness (about, { 0, 133, 484, 15 }), 0.8f);
    EXPECT_GT (averageBrightness (about, { 0, 217, 484, 50 }), 0.8f);

    // the device dialog writes black captions on the backdrop and white names on the frames
    const auto setup = ArtworkImages::get (ArtworkImages::deviceSetupBackground);
    EXPECT_GT (averageBrightness (setup, { 25, 44, 41, 18 }), 0.8f);
    EXPECT_GT (averageBrightness (setup, { 23, 216, 57, 11 }), 0.8f);
    EXPECT_LT (averageBrightness (ArtworkImages::get (ArtworkImages::deviceListFrame), { 5, 9, 317, 123 }), 0.3f);
}
