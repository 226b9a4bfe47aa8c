#include "views/ArtworkImages.h"

#include "resources/EmbeddedResources.h"

#include <condition_variable>
#include <mutex>
#include <string>
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

constexpr std::string_view png = ".png";
constexpr std::string_view doubleSizePng = "@2x.png";

int setInUse = 1;

bool endsWith (std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr (text.size() - end.size()) == end;
}

bool isDoubleSize (std::string_view name)
{
    return endsWith (name, doubleSizePng);
}

// "Background@2x.png" -> "Background.png"; other names as they are.
std::string plainNameOf (std::string_view name)
{
    if (! isDoubleSize (name))
        return std::string (name);

    return std::string (name.substr (0, name.size() - doubleSizePng.size())) + std::string (png);
}

// The file of a plain picture name in the set of that scale.
std::string nameInSet (std::string_view name, int scale)
{
    if (scale == 1 || ! endsWith (name, png) || isDoubleSize (name))
        return std::string (name);

    return std::string (name.substr (0, name.size() - png.size())) + std::string (doubleSizePng);
}

bool isEditorPicture (std::string_view name)
{
    const auto plain = plainNameOf (name);

    return endsWith (name, png) && isDoubleSize (name) == (setInUse == 2) && plain != ArtworkImages::aboutImage
           && plain != ArtworkImages::deviceSetupBackground && plain != ArtworkImages::deviceListFrame;
}

// The embedded file that a picture handed out by get() was decoded from, or null.
const EmbeddedResources::Resource* resourceOf (const juce::Image& picture)
{
    if (! picture.isValid())
        return nullptr;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
        if (endsWith (resource->name, png) && juce::ImageCache::getFromHashCode (cacheKeyOf (*resource)) == picture)
            return resource;

    return nullptr;
}

// The same picture in the set in use, or a null image when it already is (or is no picture).
juce::Image counterpartInSetInUse (const juce::Image& picture)
{
    const auto* resource = resourceOf (picture);

    if (resource == nullptr || isDoubleSize (resource->name) == (setInUse == 2))
        return {};

    return ArtworkImages::get (plainNameOf (resource->name).c_str());
}

void applyButtonImages (juce::ImageButton& button, const juce::Image& normal, const juce::Image& over,
                        const juce::Image& down)
{
    const auto none = juce::Colour (0x00000000);
    button.setImages (false, true, true, normal, 1.0f, none, over, 1.0f, none, down, 1.0f, none, 0.0f);
}

// The one helper thread and the pictures it decodes, in order. The message thread takes a picture
// it needs that the helper has not begun for itself, so that both decode at once and the window
// waits only for its own pictures; one lock covers who has a picture and its result.
struct BackgroundDecoding
{
    enum class State
    {
        pending,
        decoding,
        done
    };

    struct Picture
    {
        const EmbeddedResources::Resource* resource;
        juce::Image image;
        State state = State::pending;
    };

    std::thread helper;
    std::vector<Picture> pictures;
    std::mutex lock;
    std::condition_variable decoded;
    bool allDone = false;

    ~BackgroundDecoding()
    {
        if (helper.joinable())
            helper.join();
    }

    // Decodes the picture unless the other thread has it, then waits for it to be done.
    juce::Image take (Picture& picture)
    {
        std::unique_lock held (lock);
        if (picture.state == State::pending)
        {
            picture.state = State::decoding;
            held.unlock();
            auto image = juce::ImageFileFormat::loadFrom (picture.resource->data, picture.resource->size);
            held.lock();
            picture.image = std::move (image);
            picture.state = State::done;
            decoded.notify_all();
        }
        decoded.wait (held, [&picture] { return picture.state == State::done; });
        return picture.image;
    }

    void decodeAll()
    {
        for (auto& picture : pictures)
            take (picture);

        const std::lock_guard held (lock);
        allDone = true;
    }

    bool isAllDone()
    {
        const std::lock_guard held (lock);
        return allDone;
    }

    Picture* find (const EmbeddedResources::Resource* resource)
    {
        for (auto& picture : pictures)
            if (picture.resource == resource)
                return &picture;
        return nullptr;
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

    decoding.pictures.clear();
    decoding.allDone = false;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
        if (isEditorPicture (resource->name) && ! juce::ImageCache::getFromHashCode (cacheKeyOf (*resource)).isValid())
            decoding.pictures.push_back ({ resource, {} });

    if (decoding.pictures.empty())
        return;

    decoding.helper = std::thread ([&decoding] { decoding.decodeAll(); });
}

void ArtworkImages::finishDecoding()
{
    auto& decoding = backgroundDecoding();

    if (! decoding.helper.joinable())
        return;

    decoding.helper.join();

    for (auto& picture : decoding.pictures)
        if (picture.image.isValid() && ! juce::ImageCache::getFromHashCode (cacheKeyOf (*picture.resource)).isValid())
            juce::ImageCache::addImageToCache (picture.image, cacheKeyOf (*picture.resource));

    decoding.pictures.clear();
}

juce::Image ArtworkImages::get (const char* fileName)
{
    if (fileName == nullptr)
        return {};

    const auto* resource = EmbeddedResources::find (nameInSet (fileName, setInUse));
    if (resource == nullptr)
        return {};

    // A picture the helper is decoding, or has yet to begin: only that one is waited for. Once the
    // helper is through, its pictures all go to the cache and get() looks only there again.
    auto& decoding = backgroundDecoding();
    if (decoding.helper.joinable() && decoding.isAllDone())
        finishDecoding();

    if (decoding.helper.joinable())
    {
        if (auto* picture = decoding.find (resource))
        {
            if (auto cached = juce::ImageCache::getFromHashCode (cacheKeyOf (*resource)); cached.isValid())
                return cached;

            auto image = decoding.take (*picture);
            if (image.isValid())
                juce::ImageCache::addImageToCache (image, cacheKeyOf (*resource));
            return image;
        }
    }

    return juce::ImageCache::getFromMemory (resource->data, (int) resource->size);
}

void ArtworkImages::useSetForScale (float windowScale)
{
    setInUse = windowScale > 1.0f ? 2 : 1;
}

int ArtworkImages::getSetScale()
{
    return setInUse;
}

juce::Rectangle<int> ArtworkImages::getLogicalBounds (const char* fileName)
{
    if (fileName == nullptr)
        return {};

    // A PNG file starts with its 8-byte signature and the IHDR chunk: length, type, then the
    // width and height as big-endian 32-bit numbers.
    const auto* resource = EmbeddedResources::find (plainNameOf (fileName));
    if (resource == nullptr || ! endsWith (resource->name, png) || resource->size < 24)
        return {};

    const auto readBigEndian = [data = resource->data] (int offset) {
        return (int) juce::ByteOrder::bigEndianInt (data + offset);
    };

    return { readBigEndian (16), readBigEndian (20) };
}

juce::Rectangle<int> ArtworkImages::getLogicalBounds (const juce::Image& picture)
{
    if (const auto* resource = resourceOf (picture))
        return getLogicalBounds (resource->name);

    return picture.getBounds();
}

void ArtworkImages::setPicture (juce::ImageComponent& component, const char* fileName)
{
    component.setImage (get (fileName));
    component.setSize (getLogicalBounds (fileName).getWidth(), getLogicalBounds (fileName).getHeight());
}

void ArtworkImages::swapPictures (juce::Component& root)
{
    if (auto* picture = dynamic_cast<juce::ImageComponent*> (&root))
    {
        if (const auto swapped = counterpartInSetInUse (picture->getImage()); swapped.isValid())
            picture->setImage (swapped);
    }
    else if (auto* button = dynamic_cast<juce::ImageButton*> (&root))
    {
        const auto normal = counterpartInSetInUse (button->getNormalImage());
        const auto over = counterpartInSetInUse (button->getOverImage());
        const auto down = counterpartInSetInUse (button->getDownImage());

        if (normal.isValid() || over.isValid() || down.isValid())
            applyButtonImages (*button, normal.isValid() ? normal : button->getNormalImage(),
                               over.isValid() ? over : button->getOverImage(),
                               down.isValid() ? down : button->getDownImage());
    }

    for (auto* child : root.getChildren())
        swapPictures (*child);
}

void ArtworkImages::setButtonImages (juce::ImageButton& button, const juce::Image& normal, const juce::Image& over,
                                     const juce::Image& down)
{
    applyButtonImages (button, normal, over, down);
    const auto size = getLogicalBounds (normal);
    button.setSize (size.getWidth(), size.getHeight());
}

void ArtworkImages::setButtonImages (juce::ImageButton& button, const char* normal, const char* over, const char* down)
{
    // Sized by name: cheaper than finding the decoded picture's file, for every button of a window.
    applyButtonImages (button, get (normal), get (over), get (down));
    const auto size = getLogicalBounds (normal);
    button.setSize (size.getWidth(), size.getHeight());
}
