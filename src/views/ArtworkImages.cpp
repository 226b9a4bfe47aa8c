#include "views/ArtworkImages.h"

#include "resources/EmbeddedResources.h"

#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace
{
// The framework's image cache knows a picture decoded from memory by the address of its data.
juce::int64 cacheKeyOf (const EmbeddedResources::Resource& resource)
{
    return (juce::int64) (juce::pointer_sized_int) resource.data;
}

bool isEditorPicture (std::string_view name)
{
    constexpr std::string_view png = ".png";

    return name.size() > png.size() && name.substr (name.size() - png.size()) == png
           && name != ArtworkImages::aboutImage && name != ArtworkImages::deviceSetupBackground
           && name != ArtworkImages::deviceListFrame;
}

// The one helper thread and what it decoded; touched by the message thread only, and by the
// helper only through its own vector until it is joined.
struct BackgroundDecoding
{
    std::thread helper;
    std::vector<std::pair<const EmbeddedResources::Resource*, juce::Image>> decoded;

    ~BackgroundDecoding()
    {
        if (helper.joinable())
            helper.join();
    }
};

BackgroundDecoding& backgroundDecoding()
{
    static BackgroundDecoding decoding;
    return decoding;
}
} // namespace

void ArtworkImages::startDecodingInBackground()
{
    auto& decoding = backgroundDecoding();

    if (decoding.helper.joinable())
        return;

    decoding.decoded.clear();

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
        if (isEditorPicture (resource->name) && ! juce::ImageCache::getFromHashCode (cacheKeyOf (*resource)).isValid())
            decoding.decoded.emplace_back (resource, juce::Image());

    if (decoding.decoded.empty())
        return;

    decoding.helper = std::thread ([&pictures = decoding.decoded]
    {
        for (auto& [resource, image] : pictures)
            image = juce::ImageFileFormat::loadFrom (resource->data, resource->size);
    });
}

void ArtworkImages::finishDecoding()
{
    auto& decoding = backgroundDecoding();

    if (! decoding.helper.joinable())
        return;

    decoding.helper.join();

    for (auto& [resource, image] : decoding.decoded)
        if (image.isValid())
            juce::ImageCache::addImageToCache (image, cacheKeyOf (*resource));

    decoding.decoded.clear();
}

juce::Image ArtworkImages::get (const char* fileName)
{
    if (fileName == nullptr)
        return {};

    finishDecoding();

    const auto* resource = EmbeddedResources::find (fileName);
    if (resource == nullptr)
        return {};

    return juce::ImageCache::getFromMemory (resource->data, (int) resource->size);
}

void ArtworkImages::setButtonImages (juce::ImageButton& button, const juce::Image& normal,
                                     const juce::Image& over, const juce::Image& down)
{
    const auto none = juce::Colour (0x00000000);
    button.setImages (true, true, true,
                      normal, 1.0f, none,
                      over, 1.0f, none,
                      down, 1.0f, none,
                      0.0f);
}

void ArtworkImages::setButtonImages (juce::ImageButton& button, const char* normal, const char* over,
                                     const char* down)
{
    setButtonImages (button, get (normal), get (over), get (down));
}
