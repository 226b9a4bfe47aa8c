#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstddef>
#include <optional>

// Decodes the interface's PNG pictures straight into the image that keeps them, a row at a time:
// no second picture-sized buffer to fill and copy as the framework's loader has, no alpha channel
// made up for an opaque picture, and no checksum over pictures that are compiled into the
// program. What the artwork generator writes (8-bit RGB or RGBA, not interlaced, no transparency
// chunk) decodes so; any other well-formed file goes to the framework's loader. The result is
// what that loader gives: an RGB image for an opaque file, else a premultiplied ARGB one; a
// cut-off or damaged file gives an invalid image.
class PngPictureDecoder
{
public:
    static juce::Image decode (const void* data, std::size_t size);

    // What a file's header says, without decoding it: the pixel size, and the format that decode()
    // gives (ARGB for an alpha colour type or a transparency chunk, as the framework's loader has
    // it). None for what is no PNG file.
    struct Header
    {
        int width = 0, height = 0;
        juce::Image::PixelFormat format = juce::Image::ARGB;
    };

    static std::optional<Header> readHeader (const void* data, std::size_t size);

    PngPictureDecoder() = delete;
};
