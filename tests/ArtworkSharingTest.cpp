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
        EXPECT_TRUE (samePixels (shared, direct)) << resource->name;
        EXPECT_EQ (ArtworkImages::get (resource->name).getPixelData(), shared.getPixelData()) << resource->name;
    }

    EXPECT_GT (pictures, 60);
    ArtworkImages::finishDecoding();
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
