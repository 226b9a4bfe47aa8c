#pragma once

#include "TestOutput.h"

#include <cstdlib>

// Pictures of the editor compared with committed ones in tests/reference. Run the tests with
// ORBMINI_UPDATE_REFERENCES=1 in the environment to redraw them (then look at them before committing).
namespace reference
{
inline juce::File file (const juce::String& name)
{
    return juce::File (ORBMINI_TEST_REFERENCE_DIR).getChildFile (name + ".png");
}

// The share of pixels of which some channel differs by more than `tolerance` of 255: anti-aliasing
// that lands a little differently passes, a changed colour, shape or text does not.
inline double shareOfDifferentPixels (const juce::Image& actual, const juce::Image& expected, int tolerance = 40)
{
    if (actual.getBounds() != expected.getBounds())
        return 1.0;

    const juce::Image::BitmapData a (actual, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData e (expected, juce::Image::BitmapData::readOnly);
    const auto off = [tolerance] (juce::uint8 u, juce::uint8 v) { return std::abs (u - v) > tolerance; };
    int different = 0;

    for (int y = 0; y < actual.getHeight(); ++y)
    {
        for (int x = 0; x < actual.getWidth(); ++x)
        {
            const auto p = a.getPixelColour (x, y);
            const auto q = e.getPixelColour (x, y);
            different += off (p.getRed(), q.getRed()) || off (p.getGreen(), q.getGreen())
                         || off (p.getBlue(), q.getBlue()) || off (p.getAlpha(), q.getAlpha());
        }
    }

    return different / (double) (actual.getWidth() * actual.getHeight());
}

constexpr double allowedShare = 0.002;

// The picture matches the committed one of that name; a mismatch leaves the picture drawn in the
// tests' output folder for comparing by eye.
inline void expectMatches (const juce::Image& actual, const juce::String& name)
{
    if (std::getenv ("ORBMINI_UPDATE_REFERENCES") != nullptr)
    {
        file (name).deleteFile();
        juce::FileOutputStream out (file (name));
        ASSERT_TRUE (out.openedOk() && juce::PNGImageFormat().writeImageToStream (actual, out)) << name;
        return;
    }

    const auto expected = juce::ImageFileFormat::loadFrom (file (name));
    ASSERT_TRUE (expected.isValid()) << file (name).getFullPathName();
    EXPECT_LE (shareOfDifferentPixels (actual, expected), allowedShare)
        << name << ": see " << writePng (actual, "reference-mismatch/" + name + ".png").getFullPathName();
}

// A component as it shows on screen, children and framework look included.
inline void expectComponentMatches (juce::Component& component, const juce::String& name)
{
    expectMatches (component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f), name);
}
} // namespace reference
