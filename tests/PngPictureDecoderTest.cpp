#include "resources/EmbeddedResources.h"
#include "views/PngPictureDecoder.h"

#include "TestOutput.h"

#include <gtest/gtest.h>
#include <png.h>

#include <vector>

namespace
{
bool sameDecode (const juce::Image& a, const juce::Image& b)
{
    return a.isValid() == b.isValid() && (! a.isValid() || (a.getFormat() == b.getFormat() && samePixels (a, b)));
}

juce::MemoryBlock encodeWithFramework (const juce::Image& image)
{
    juce::MemoryOutputStream out;
    juce::PNGImageFormat().writeImageToStream (image, out);
    return out.getMemoryBlock();
}
// An 8-bit grey PNG file, of a kind the artwork generator never writes.
juce::MemoryBlock encodeGrey (int width, int height)
{
    juce::MemoryOutputStream out;
    png_structp png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct (png);
    std::vector<png_byte> row ((std::size_t) width);

    if (setjmp (png_jmpbuf (png)) == 0)
    {
        png_set_write_fn (
            png, &out,
            [] (png_structp writer, png_bytep data, png_size_t size) {
                static_cast<juce::MemoryOutputStream*> (png_get_io_ptr (writer))->write (data, size);
            },
            nullptr);
        png_set_IHDR (png, info, (png_uint_32) width, (png_uint_32) height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                      PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info (png, info);
        for (int y = 0; y < height; ++y)
        {
            for (int x = 0; x < width; ++x)
                row[(std::size_t) x] = (png_byte) (x * 5 + y);
            png_write_row (png, row.data());
        }
        png_write_end (png, info);
    }

    png_destroy_write_struct (&png, &info);
    return out.getMemoryBlock();
}
} // namespace

// Every picture of both sets, opaque ones as RGB and the rest premultiplied ARGB, exactly as the
// framework's loader gives them.
TEST (PngPictureDecoder, DecodesEveryPictureAsTheFrameworksLoaderDoes)
{
    int pictures = 0, opaque = 0;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
    {
        if (! juce::String (resource->name).endsWith (".png"))
            continue;

        ++pictures;
        const auto decoded = PngPictureDecoder::decode (resource->data, resource->size);
        ASSERT_TRUE (decoded.isValid()) << resource->name;
        EXPECT_TRUE (sameDecode (decoded, juce::ImageFileFormat::loadFrom (resource->data, resource->size)))
            << resource->name;
        opaque += decoded.getFormat() == juce::Image::RGB ? 1 : 0;

        // The header alone tells the size and the format, before anything is decoded.
        const auto header = PngPictureDecoder::readHeader (resource->data, resource->size);
        ASSERT_TRUE (header.has_value()) << resource->name;
        EXPECT_EQ (juce::Rectangle<int> (header->width, header->height), decoded.getBounds()) << resource->name;
        EXPECT_EQ (header->format, decoded.getFormat()) << resource->name;
    }

    EXPECT_GT (pictures, 140);
    EXPECT_GT (opaque, 60); // the background, the regions, the tabs
}

// Half-transparent pixels of every alpha come out premultiplied as the framework's own; a file of
// another kind (here a grey one) still decodes, through the framework.
TEST (PngPictureDecoder, PremultipliesAlphaAndHandsOtherFilesToTheFramework)
{
    juce::Image translucent (juce::Image::ARGB, 256, 3, true);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 3; ++y)
            translucent.setPixelAt (
                x, y,
                juce::Colour ((juce::uint8) (x * 7), (juce::uint8) (255 - x), (juce::uint8) (y * 90), (juce::uint8) x));
    const auto file = encodeWithFramework (translucent);
    EXPECT_TRUE (sameDecode (PngPictureDecoder::decode (file.getData(), file.getSize()),
                             juce::ImageFileFormat::loadFrom (file.getData(), file.getSize())));

    const auto greyFile = encodeGrey (40, 20);
    const auto grey = PngPictureDecoder::decode (greyFile.getData(), greyFile.getSize());
    ASSERT_TRUE (grey.isValid());
    EXPECT_EQ (grey.getPixelAt (7, 3), juce::Colour::greyLevel (38.0f / 255.0f));
    EXPECT_TRUE (sameDecode (grey, juce::ImageFileFormat::loadFrom (greyFile.getData(), greyFile.getSize())));
}

// A cut-off or damaged file gives no picture or a picture, never a read out of bounds (the
// sanitizer builds watch) nor a crash.
TEST (PngPictureDecoder, SurvivesCutOffAndDamagedFiles)
{
    const auto* resource = EmbeddedResources::find ("RegionKeybedNormal.png");
    ASSERT_NE (resource, nullptr);

    for (std::size_t length = 0; length < resource->size; length += resource->size / 16 + 1)
        EXPECT_FALSE (PngPictureDecoder::decode (resource->data, length).isValid()) << length;

    juce::MemoryBlock damaged (resource->data, resource->size);
    for (std::size_t i = 40; i < damaged.getSize(); i += 97)
        damaged[i] = (char) (damaged[i] ^ 0x5a);
    const auto picture = PngPictureDecoder::decode (damaged.getData(), damaged.getSize());
    EXPECT_TRUE (! picture.isValid() || picture.getBounds() == juce::Rectangle<int> (529, 221));

    EXPECT_FALSE (PngPictureDecoder::decode ("not a picture", 13).isValid());
    EXPECT_FALSE (PngPictureDecoder::readHeader ("not a picture", 13).has_value());
    EXPECT_FALSE (PngPictureDecoder::readHeader (resource->data, 20).has_value());
}
