#include "app/KestrinOrbMiniEditorApplication.h"
#include "resources/EmbeddedResources.h"
#include "views/ArtworkImages.h"
#include "views/EditorComponent.h"

#include "TestOutput.h"

// The helper thread decodes while the message thread goes on; what it hands over is what a decode
// on the message thread gives, and every later request shares that one decoded picture.
TEST (ArtworkThreading, PicturesDecodedOnTheHelperAreTheDecodedFilesAndShared)
{
    juce::ImageCache::releaseUnusedImages();
    ArtworkImages::startDecodingInBackground();
    ArtworkImages::startDecodingInBackground();

    int pictures = 0;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
    {
        if (! juce::String (resource->name).endsWith (".png"))
            continue;

        ++pictures;
        const auto shared = ArtworkImages::get (resource->name);
        const auto direct = juce::ImageFileFormat::loadFrom (resource->data, resource->size);
        ASSERT_TRUE (shared.isValid()) << resource->name;
        // Size and format come before the pixels (from the file's header) and must be theirs.
        EXPECT_EQ (shared.getBounds(), direct.getBounds()) << resource->name;
        EXPECT_EQ (shared.getFormat(), direct.getFormat()) << resource->name;
        EXPECT_TRUE (samePixels (shared, direct)) << resource->name;
        EXPECT_TRUE (ArtworkImages::isDecoded (shared)) << resource->name;
        EXPECT_EQ (ArtworkImages::get (resource->name).getPixelData(), shared.getPixelData()) << resource->name;
    }

    EXPECT_GT (pictures, 60);
    ArtworkImages::finishDecoding();
}

namespace
{
// The pictures that painting the component now would draw.
void collectShownPictures (juce::Component& component, std::vector<std::pair<juce::String, juce::Image>>& shown)
{
    if (auto* picture = dynamic_cast<juce::ImageComponent*> (&component))
        shown.emplace_back (component.getName(), picture->getImage());
    else if (auto* button = dynamic_cast<juce::ImageButton*> (&component))
        shown.emplace_back (component.getName(),
                            button->getToggleState() ? button->getDownImage() : button->getNormalImage());

    for (auto* child : component.getChildren())
        if (child->isVisible())
            collectShownPictures (*child, shown);
}
} // namespace

// Built with pending pictures and no helper to decode them, the window appears with every picture
// it shows decoded (the background, the product picture, the regions, tabs and buttons) and no
// other; what it draws later (a region under the mouse) is decoded when it is drawn, and right.
TEST (ArtworkThreading, AWindowAppearsWithThePicturesItShowsDecoded)
{
    juce::ImageCache::releaseUnusedImages();
    ArtworkImages::deferDecoding();
    EditorSettings::getDefaultFile().getParentDirectory().deleteRecursively();
    KestrinOrbMiniEditorApplication app;
    app.startEditor ({});
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 1);
    auto& window = *app.getWindowManager()->getWindow (0);

    std::vector<std::pair<juce::String, juce::Image>> shown;
    collectShownPictures (window, shown);
    EXPECT_GT (shown.size(), 20u);
    for (auto& [name, picture] : shown)
        EXPECT_TRUE (ArtworkImages::isDecoded (picture)) << name;

    auto& editor = dynamic_cast<EditorComponent&> (*window.getContentComponent());
    juce::ImageButton* region = nullptr;
    for (auto* child : editor.getChildren())
        for (auto* grandChild : child->getChildren())
            if (grandChild->getName() == "Keybed Selector Button")
                region = dynamic_cast<juce::ImageButton*> (grandChild);
    ASSERT_NE (region, nullptr);
    const auto* file = EmbeddedResources::find (ArtworkImages::getSetScale() == 2 ? "RegionKeybedOver@2x.png"
                                                                                  : "RegionKeybedOver.png");
    ASSERT_NE (file, nullptr);
    EXPECT_FALSE (ArtworkImages::isDecoded (region->getOverImage()));
    EXPECT_TRUE (samePixels (region->getOverImage(), juce::ImageFileFormat::loadFrom (file->data, file->size)));
}

// A further window costs its widgets, not another copy of the pictures.
TEST (ArtworkSharing, WindowsShareTheirDecodedPictures)
{
    juce::ImageCache::releaseUnusedImages();
    EditorSettings::getDefaultFile().getParentDirectory().deleteRecursively();
    KestrinOrbMiniEditorApplication app;
    app.startEditor ({});
    app.getWindowManager()->onLastWindowClosed = nullptr;
    app.newWindow();
    ASSERT_EQ (app.getWindowManager()->getNumWindows(), 2);

    const auto pictures = [&] (int window) {
        auto& editor =
            dynamic_cast<EditorComponent&> (*app.getWindowManager()->getWindow (window)->getContentComponent());
        auto& tab = dynamic_cast<juce::ImageButton&> (*editor.getTabSelector()->getChildComponent (0));
        return std::vector<void*> { editor.getBackground().getImage().getPixelData(),
                                    tab.getNormalImage().getPixelData(), tab.getDownImage().getPixelData() };
    };
    EXPECT_EQ (pictures (0), pictures (1));
}
