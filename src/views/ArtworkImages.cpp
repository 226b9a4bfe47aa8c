#include "views/ArtworkImages.h"

#include "resources/EmbeddedResources.h"
#include "views/PngPictureDecoder.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace
{
// A picture is known to the framework's image cache by the address of its data.
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

// The pictures of the set in use that are handed out before they are decoded: those of the editor
// window, not the About and device setup windows', which are seldom opened.
bool isHandedOutPending (std::string_view name)
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

// The header of an embedded picture; none for a file that is no PNG picture.
std::optional<PngPictureDecoder::Header> readPngHeader (const EmbeddedResources::Resource& resource)
{
    if (! endsWith (resource.name, png))
        return std::nullopt;

    return PngPictureDecoder::readHeader (resource.data, resource.size);
}

// The helper thread and the pictures it decodes. Each picture goes into the image cache at once
// as a PendingPicture, so that windows can be built with it; its pixels are decoded the first
// time anything draws or reads them, by whichever thread gets to it first. The helper goes
// through its list largest first, but takes before anything else the pictures that a window
// about to appear shows (decodeNow), while the message thread decodes the same ones from the
// other end of the list. One lock covers who decodes what, and the results.
class BackgroundDecoding
{
public:
    enum class State
    {
        pending,
        decoding,
        done
    };

    struct Picture
    {
        const EmbeddedResources::Resource* resource;
        int pixelCount = 0; // from the file's header: the helper takes the largest first
        State state = State::pending;
        bool wanted = false;
        juce::Image image;
    };

    ~BackgroundDecoding() { join(); }

    bool isRunning() const { return helper.joinable(); }

    // Starts the helper on those pictures, largest first.
    void start (std::vector<std::shared_ptr<Picture>> toDecode)
    {
        if (toDecode.empty())
            return;

        pictures = std::move (toDecode);
        std::stable_sort (pictures.begin(), pictures.end(),
                          [] (const auto& a, const auto& b) { return a->pixelCount > b->pixelCount; });
        helper = std::thread ([this] {
            while (auto* next = claim (false))
                decode (*next);

            // All are decoded or being decoded: the pending images hold what they still need.
            const std::lock_guard held (lock);
            pictures.clear();
        });
    }

    void join()
    {
        if (helper.joinable())
            helper.join();
        pictures.clear();
    }

    // The decoded picture: decoded here unless the other thread has it, else waited for.
    juce::Image pixelsOf (Picture& picture)
    {
        std::unique_lock held (lock);
        if (picture.state == State::pending)
        {
            picture.state = State::decoding;
            held.unlock();
            decode (picture);
            held.lock();
        }
        decoded.wait (held, [&picture] { return picture.state == State::done; });
        return picture.image;
    }

    bool isDone (Picture& picture)
    {
        const std::lock_guard held (lock);
        return picture.state == State::done;
    }

    // Decodes those pictures now, sharing them with the helper, and returns when all are done.
    void decodeNow (const std::vector<std::shared_ptr<Picture>>& needed)
    {
        {
            const std::lock_guard held (lock);
            for (auto& picture : needed)
                picture->wanted = true;
        }

        while (auto* next = claim (true))
            decode (*next);

        for (auto& picture : needed)
            pixelsOf (*picture);
    }

private:
    std::thread helper;
    std::vector<std::shared_ptr<Picture>> pictures; // as the helper takes them
    std::mutex lock;
    std::condition_variable decoded;

    // The next picture for the helper (from the front: a wanted one, else any) or for the message
    // thread (fromBack: wanted ones only), marked as being decoded; null when none is left.
    Picture* claim (bool fromBack)
    {
        const std::lock_guard held (lock);
        Picture* chosen = nullptr;

        if (fromBack)
        {
            for (auto picture = pictures.rbegin(); chosen == nullptr && picture != pictures.rend(); ++picture)
                if ((*picture)->state == State::pending && (*picture)->wanted)
                    chosen = picture->get();
        }
        else
        {
            for (auto& picture : pictures)
                if (picture->state == State::pending && (chosen == nullptr || (picture->wanted && ! chosen->wanted)))
                    chosen = picture.get();
        }

        if (chosen != nullptr)
            chosen->state = State::decoding;
        return chosen;
    }

    void decode (Picture& picture)
    {
        auto image = PngPictureDecoder::decode (picture.resource->data, picture.resource->size);
        {
            const std::lock_guard held (lock);
            picture.image = std::move (image);
            picture.state = State::done;
        }
        decoded.notify_all();
    }
};

BackgroundDecoding& backgroundDecoding()
{
    static BackgroundDecoding decoding;
    return decoding;
}

// A picture handed out before its pixels are decoded: its size and format come from the file's
// header, and the pixels are decoded (or waited for) the first time they are drawn or read. From
// then on it passes everything to the decoded image.
class PendingPicture final : public juce::ImagePixelData
{
public:
    PendingPicture (std::shared_ptr<BackgroundDecoding::Picture> toDecode, const PngPictureDecoder::Header& header)
        : juce::ImagePixelData (header.format, header.width, header.height), picture (std::move (toDecode))
    {}

    // The picture behind it until its pixels have been taken over (it may be decoded already),
    // null after.
    std::shared_ptr<BackgroundDecoding::Picture> getUndecoded() const
    {
        return decodedPixels == nullptr ? picture : nullptr;
    }

    std::unique_ptr<juce::LowLevelGraphicsContext> createLowLevelContext() override
    {
        sendDataChangeMessage();
        return pixels().createLowLevelContext();
    }

    void initialiseBitmapData (juce::Image::BitmapData& bitmap, int x, int y,
                               juce::Image::BitmapData::ReadWriteMode mode) override
    {
        pixels().initialiseBitmapData (bitmap, x, y, mode);

        if (mode != juce::Image::BitmapData::readOnly)
            sendDataChangeMessage();
    }

    Ptr clone() override { return pixels().clone(); }

    std::unique_ptr<juce::ImageType> createType() const override { return std::make_unique<juce::SoftwareImageType>(); }

private:
    std::shared_ptr<BackgroundDecoding::Picture> picture;
    juce::ImagePixelData::Ptr decodedPixels;

    juce::ImagePixelData& pixels()
    {
        if (decodedPixels == nullptr)
        {
            auto image = backgroundDecoding().pixelsOf (*picture);

            // The header promised this size and format; a file that breaks the promise shows as
            // an empty picture rather than as pixels read out of bounds.
            if (image.getBounds() != juce::Rectangle<int> (width, height))
                image = juce::Image (pixelFormat, width, height, true, juce::SoftwareImageType());
            else if (image.getFormat() != pixelFormat)
                image = image.convertedToFormat (pixelFormat);

            decodedPixels = image.getPixelData();
            picture.reset();
        }

        return *decodedPixels;
    }
};

void collectUndecoded (const juce::Image& image, std::vector<std::shared_ptr<BackgroundDecoding::Picture>>& found)
{
    if (auto* pending = dynamic_cast<PendingPicture*> (image.getPixelData()))
        if (auto picture = pending->getUndecoded())
            found.push_back (std::move (picture));
}

// The pictures that painting component now would draw and that are not decoded yet: those of the
// image components and image buttons (in their present state) that are shown in it.
void collectShownUndecoded (juce::Component& component,
                            std::vector<std::shared_ptr<BackgroundDecoding::Picture>>& found)
{
    if (auto* picture = dynamic_cast<juce::ImageComponent*> (&component))
        collectUndecoded (picture->getImage(), found);
    else if (auto* button = dynamic_cast<juce::ImageButton*> (&component))
        collectUndecoded (button->isDown() || button->getToggleState() ? button->getDownImage()
                          : button->isOver()                           ? button->getOverImage()
                                                                       : button->getNormalImage(),
                          found);

    for (auto* child : component.getChildren())
        if (child->isVisible())
            collectShownUndecoded (*child, found);
}

// Puts every picture of the set in use that the cache does not hold into it, pending; returns them.
std::vector<std::shared_ptr<BackgroundDecoding::Picture>> handOutPending()
{
    std::vector<std::shared_ptr<BackgroundDecoding::Picture>> handedOut;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
    {
        if (! isHandedOutPending (resource->name)
            || juce::ImageCache::getFromHashCode (cacheKeyOf (*resource)).isValid())
            continue;

        if (const auto header = readPngHeader (*resource))
        {
            auto picture = std::make_shared<BackgroundDecoding::Picture> (
                BackgroundDecoding::Picture { resource, header->width * header->height });
            juce::ImageCache::addImageToCache (juce::Image (*new PendingPicture (picture, *header)),
                                               cacheKeyOf (*resource));
            handedOut.push_back (std::move (picture));
        }
    }

    return handedOut;
}
} // namespace

void ArtworkImages::deferDecoding()
{
    handOutPending();
}

void ArtworkImages::startDecodingInBackground()
{
    auto& decoding = backgroundDecoding();

    if (! decoding.isRunning())
        decoding.start (handOutPending());
}

void ArtworkImages::decodePicturesShownIn (juce::Component& root)
{
    std::vector<std::shared_ptr<BackgroundDecoding::Picture>> shown;
    collectShownUndecoded (root, shown);

    if (! shown.empty())
        backgroundDecoding().decodeNow (shown);
}

bool ArtworkImages::isDecoded (const juce::Image& picture)
{
    if (auto* pending = dynamic_cast<PendingPicture*> (picture.getPixelData()))
        if (auto undecoded = pending->getUndecoded())
            return backgroundDecoding().isDone (*undecoded);

    return picture.isValid();
}

void ArtworkImages::finishDecoding()
{
    backgroundDecoding().join();
}

juce::Image ArtworkImages::get (const char* fileName)
{
    return getFromSet (fileName, setInUse);
}

juce::Image ArtworkImages::getFromSet (const char* fileName, int setScale)
{
    if (fileName == nullptr)
        return {};

    // A picture still decoding in the background is in the cache already, pending.
    const auto* resource = EmbeddedResources::find (nameInSet (fileName, setScale));
    if (resource == nullptr)
        return {};

    const auto key = cacheKeyOf (*resource);
    if (auto cached = juce::ImageCache::getFromHashCode (key); cached.isValid())
        return cached;

    auto decoded = PngPictureDecoder::decode (resource->data, resource->size);
    if (decoded.isValid())
        juce::ImageCache::addImageToCache (decoded, key);
    return decoded;
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

    const auto* resource = EmbeddedResources::find (plainNameOf (fileName));
    const auto header = resource != nullptr ? readPngHeader (*resource) : std::nullopt;

    return header ? juce::Rectangle<int> (header->width, header->height) : juce::Rectangle<int>();
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
