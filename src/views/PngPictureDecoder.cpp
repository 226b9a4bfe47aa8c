#include "views/PngPictureDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string_view>
#include <vector>

namespace
{
struct MemoryReader
{
    const png_byte* data;
    std::size_t size;
    std::size_t position = 0;
};

void readFromMemory (png_structp png, png_bytep destination, png_size_t count)
{
    auto& reader = *static_cast<MemoryReader*> (png_get_io_ptr (png));

    if (count > reader.size - reader.position)
        png_error (png, "truncated");

    std::memcpy (destination, reader.data + reader.position, count);
    reader.position += count;
}

void throwOnError (png_structp png, png_const_charp)
{
    png_longjmp (png, 1);
}

void ignoreWarning (png_structp, png_const_charp) {}

enum class FileKind
{
    broken,
    otherKind,
    generatorKind
};

// Only plain value types live between the setjmp and a longjmp from libpng: the image and the row
// pointers are made before it and outlive it.
FileKind readFileKind (png_structp png, png_infop info, png_uint_32& width, png_uint_32& height, int& colourType)
{
    if (setjmp (png_jmpbuf (png)) != 0)
        return FileKind::broken;

    png_read_info (png, info);
    int bitDepth = 0, interlace = 0;
    png_get_IHDR (png, info, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);

    if (width > 16384 || height > 16384)
        return FileKind::broken;

    return bitDepth == 8 && interlace == PNG_INTERLACE_NONE && ! png_get_valid (png, info, PNG_INFO_tRNS)
                   && (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA)
               ? FileKind::generatorKind
               : FileKind::otherKind;
}

bool readRows (png_structp png, png_infop info, png_bytep* rows, png_uint_32 height, bool premultiply,
               png_uint_32 width)
{
    if (setjmp (png_jmpbuf (png)) != 0)
        return false;

    // The framework's pixels lie in memory as blue, green, red (and alpha, last).
    png_set_bgr (png);
#ifdef PNG_IGNORE_ADLER32
    png_set_option (png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif

    for (png_uint_32 y = 0; y < height; ++y)
    {
        png_read_row (png, rows[y], nullptr);

        if (premultiply)
        {
            auto* pixel = reinterpret_cast<juce::PixelARGB*> (rows[y]);
            for (png_uint_32 x = 0; x < width; ++x)
                pixel[x].premultiply();
        }
    }

    png_read_end (png, info);
    return true;
}
} // namespace

juce::Image PngPictureDecoder::decode (const void* data, std::size_t size)
{
    const auto viaFramework = [&] { return juce::ImageFileFormat::loadFrom (data, size); };

#if JUCE_BIG_ENDIAN
    return viaFramework();
#else
    png_structp png = png_create_read_struct (PNG_LIBPNG_VER_STRING, nullptr, throwOnError, ignoreWarning);
    png_infop info = png != nullptr ? png_create_info_struct (png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_read_struct (&png, nullptr, nullptr);
        return viaFramework();
    }

    MemoryReader reader { static_cast<const png_byte*> (data), size };
    png_set_read_fn (png, &reader, readFromMemory);

    png_uint_32 width = 0, height = 0;
    int colourType = 0;
    const auto kind = readFileKind (png, info, width, height, colourType);
    juce::Image image;

    if (kind == FileKind::generatorKind)
    {
        const bool hasAlpha = colourType == PNG_COLOR_TYPE_RGB_ALPHA;
        image = juce::Image (hasAlpha ? juce::Image::ARGB : juce::Image::RGB, (int) width, (int) height, false,
                             juce::SoftwareImageType());
        bool complete = false;
        {
            juce::Image::BitmapData pixels (image, juce::Image::BitmapData::writeOnly);
            std::vector<png_bytep> rows (height);
            for (png_uint_32 y = 0; y < height; ++y)
                rows[y] = pixels.getLinePointer ((int) y);

            complete = readRows (png, info, rows.data(), height, hasAlpha, width);
        }

        if (! complete)
            image = {};
    }

    png_destroy_read_struct (&png, &info, nullptr);

    // The framework's loader does not come back from an error of libpng: a broken file is not
    // handed to it.
    return kind == FileKind::otherKind ? viaFramework() : image;
#endif
}

std::optional<PngPictureDecoder::Header> PngPictureDecoder::readHeader (const void* data, std::size_t size)
{
    // The 8-byte signature, then chunks of a big-endian length, a type, the data and a checksum;
    // the first is IHDR: width, height, bit depth, colour type.
    const auto* bytes = static_cast<const juce::uint8*> (data);
    const auto readBigEndian = [bytes] (std::size_t offset) { return juce::ByteOrder::bigEndianInt (bytes + offset); };
    const auto typeAt = [bytes] (std::size_t offset) { return std::string_view ((const char*) bytes + offset, 4); };

    if (size < 33 || std::memcmp (bytes, "\x89PNG\r\n\x1a\n", 8) != 0 || typeAt (12) != "IHDR")
        return std::nullopt;

    bool hasAlpha = (bytes[25] & 4) != 0;

    for (std::size_t chunk = 33; ! hasAlpha && chunk + 8 <= size;)
    {
        if (typeAt (chunk + 4) == "IDAT")
            break;
        hasAlpha = typeAt (chunk + 4) == "tRNS";
        chunk += 12 + (std::size_t) readBigEndian (chunk);
    }

    return Header { (int) readBigEndian (16), (int) readBigEndian (20),
                    hasAlpha ? juce::Image::ARGB : juce::Image::RGB };
}
