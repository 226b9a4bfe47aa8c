#include "views/ArtworkImages.h"

#include "resources/EmbeddedResources.h"

juce::Image ArtworkImages::get (const char* fileName)
{
    if (fileName == nullptr)
        return {};

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
