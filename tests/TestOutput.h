#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <filesystem>

// Writes a picture under the tests' output folder (a path relative to it), for a person to look at.
inline juce::File writePng (const juce::Image& image, const juce::String& relativePath)
{
    const auto file = juce::File (ORBMINI_TEST_OUTPUT_DIR).getChildFile (relativePath);
    // Parallel test processes may make the same folder at once (see testDirectory).
    std::filesystem::create_directories (file.getParentDirectory().getFullPathName().toStdString());
    file.deleteFile();
    juce::FileOutputStream out (file);
    EXPECT_TRUE (out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out)) << relativePath;
    return file;
}

inline bool samePixels (const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;

    const juce::Image::BitmapData da (a, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData db (b, juce::Image::BitmapData::readOnly);
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (da.getPixelColour (x, y) != db.getPixelColour (x, y))
                return false;

    return true;
}
