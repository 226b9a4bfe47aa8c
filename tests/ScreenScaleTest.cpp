#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/AboutComponent.h"
#include "app/DesktopScale.h"
#include "app/EditorZoom.h"
#include "resources/EmbeddedResources.h"
#include "views/ArtworkImages.h"
#include "views/BankView.h"

#include <gtest/gtest.h>

namespace
{
// Leaves the desktop at 100 % with the plain pictures in use, whatever the test did.
struct BackTo100Percent
{
    ~BackTo100Percent()
    {
        EditorZoom restore ([] { return 1.0f; });
    }
};

juce::StringArray tickedEntries (const EditorZoom& zoom)
{
    juce::StringArray ticked;

    for (auto id : EditorZoom::commandIDs)
    {
        juce::ApplicationCommandInfo info (id);
        EXPECT_TRUE (zoom.getCommandInfo (id, info));

        if ((info.flags & juce::ApplicationCommandInfo::isTicked) != 0)
            ticked.add (info.shortName);
    }

    return ticked;
}

EditorComponent* newEditor (OrbEditorEngine::Ptr engine)
{
    engine->loadPresetData (embeddedDefault());
    return newEditorComponent (engine);
}
} // namespace

TEST (DesktopScale, DpiGivesAQuarterStepFrom100To400Percent)
{
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (96), 1.0f);
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (120), 1.25f);
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (110), 1.25f); // 1.146: the nearest quarter
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (100), 1.0f);
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (72), 1.0f); // never smaller than the editor's own size
    EXPECT_FLOAT_EQ (DesktopScale::fromDpi (2000), 4.0f);
}

TEST (DesktopScale, XftDpiIsReadFromTheResourcesText)
{
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.dpi: 144.5"), 144.5);
    EXPECT_EQ (DesktopScale::findXftDpi (""), std::nullopt);
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.dpiScale:\t2\n*dpi:\t192\n"), std::nullopt);
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.dpi:\tlarge\n"), std::nullopt);
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.dpi:\t0\n"), std::nullopt);
}

TEST (EditorZoom, FollowsTheDesktopUntilTheUserPicksAScale)
{
    BackTo100Percent restore;
    auto& desktop = juce::Desktop::getInstance();
    float desktopScale = 2.0f;
    EditorZoom zoom ([&desktopScale] { return desktopScale; });

    EXPECT_TRUE (zoom.isFollowingDesktop());
    EXPECT_FLOAT_EQ (zoom.getScale(), 2.0f);
    EXPECT_FLOAT_EQ (desktop.getGlobalScaleFactor(), 2.0f); // this display's framework scale is 1
    EXPECT_EQ (ArtworkImages::getSetScale(), 2);
    EXPECT_EQ (tickedEntries (zoom), juce::StringArray ({ "200 %", "Follow Desktop" }));

    EXPECT_TRUE (zoom.perform (EditorZoom::zoom125Command));
    EXPECT_FALSE (zoom.isFollowingDesktop());
    EXPECT_FLOAT_EQ (desktop.getGlobalScaleFactor(), 1.25f);
    EXPECT_EQ (ArtworkImages::getSetScale(), 2);
    EXPECT_EQ (tickedEntries (zoom), juce::StringArray ({ "125 %" }));

    // Following again asks the desktop again.
    desktopScale = 1.5f;
    EXPECT_TRUE (zoom.perform (EditorZoom::followDesktopCommand));
    EXPECT_FLOAT_EQ (zoom.getScale(), 1.5f);
    EXPECT_EQ (tickedEntries (zoom), juce::StringArray ({ "150 %", "Follow Desktop" }));

    EXPECT_TRUE (zoom.perform (EditorZoom::zoom100Command));
    EXPECT_FLOAT_EQ (desktop.getGlobalScaleFactor(), 1.0f);
    EXPECT_EQ (ArtworkImages::getSetScale(), 1);
    EXPECT_EQ (tickedEntries (zoom), juce::StringArray ({ "100 %" }));

    EXPECT_FALSE (zoom.perform (0x200310));
    juce::ApplicationCommandInfo other (0x200310);
    EXPECT_FALSE (zoom.getCommandInfo (0x200310, other));
}

// Pictures of the @2x set above 100 %, of the plain set at 100 %, in the same bounds; the hidden
// section views change sets too, and the windows keep their size in the editor's pixels.
TEST (EditorZoom, OpenWindowsKeepTheirSizeAndShowThePicturesOfTheScale)
{
    BackTo100Percent restore;
    WindowFixture f;
    auto* editor = newEditor (f.engine);
    auto* window = f.manager.createWindow (editor, f.engine, {});
    ASSERT_NE (window, nullptr);
    pumpMessages (50);
    const auto windowSize = window->getLocalBounds();

    auto* tab = dynamic_cast<juce::ImageButton*> (editor->getTabSelector()->getViewButton (0));
    auto* knobs = dynamic_cast<BankView*> (editor->getView (1));
    ASSERT_TRUE (tab != nullptr && knobs != nullptr);
    auto* hiddenArrow = knobs->getNextBankButton();

    const auto expectSet = [&] (int set) {
        EXPECT_EQ (editor->getBackground().getImage().getWidth(), 1200 * set);
        EXPECT_EQ (tab->getNormalImage().getWidth(), 138 * set);
        EXPECT_EQ (hiddenArrow->getOverImage().getHeight(), 26 * set);
        EXPECT_EQ (editor->getBackground().getBounds(), juce::Rectangle<int> (0, 0, 1200, 700));
        EXPECT_EQ (tab->getBounds(), juce::Rectangle<int> (0, 0, 138, 40));
        EXPECT_EQ (hiddenArrow->getWidth(), 17);
        EXPECT_EQ (window->getLocalBounds(), windowSize);
    };

    expectSet (1);

    EditorZoom zoom ([] { return 1.0f; });
    zoom.setFixedScale (2.0f);
    pumpMessages (50);
    EXPECT_FLOAT_EQ (window->getDesktopScaleFactor(), 2.0f);
    expectSet (2);

    zoom.setFixedScale (1.5f);
    expectSet (2);

    // A dialog opened now takes the @2x picture in its own size.
    AboutComponent about (ArtworkImages::get (ArtworkImages::aboutImage));
    auto* aboutPicture = dynamic_cast<juce::ImageComponent*> (about.getChildComponent (0));
    ASSERT_NE (aboutPicture, nullptr);
    EXPECT_EQ (aboutPicture->getImage().getWidth(), 2 * about.getWidth());

    zoom.setFixedScale (1.0f);
    pumpMessages (50);
    expectSet (1);
}

// Every picture has its @2x twin of exactly twice its size, and its logical bounds, read from the
// file's header, are the plain picture's size.
TEST (Artwork, EveryPictureComesAlsoAtTwiceItsSize)
{
    int pairs = 0;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
    {
        const juce::String name (resource->name);

        if (! name.endsWith (".png") || name.endsWith ("@2x.png"))
            continue;

        const auto* twin = EmbeddedResources::find ((name.dropLastCharacters (4) + "@2x.png").toStdString());
        ASSERT_NE (twin, nullptr) << name;
        const auto plain = juce::ImageFileFormat::loadFrom (resource->data, resource->size);
        const auto doubled = juce::ImageFileFormat::loadFrom (twin->data, twin->size);
        EXPECT_EQ (doubled.getBounds(), plain.getBounds() * 2) << name;
        EXPECT_EQ (ArtworkImages::getLogicalBounds (resource->name), plain.getBounds()) << name;
        EXPECT_EQ (ArtworkImages::getLogicalBounds (twin->name), plain.getBounds()) << name;
        ++pairs;
    }

    EXPECT_GT (pairs, 60);
    EXPECT_TRUE (ArtworkImages::getLogicalBounds ("DefaultPreset.syx").isEmpty());
    EXPECT_TRUE (ArtworkImages::getLogicalBounds ("NoSuchPicture.png").isEmpty());
    EXPECT_FALSE (ArtworkImages::get ("NoSuchPicture.png").isValid());
    EXPECT_FALSE (ArtworkImages::get (nullptr).isValid());
}

// At 100 % the pictures decoded ahead of the first window are the plain set alone.
TEST (EditorZoom, OnlyTheSetInUseIsDecodedAhead)
{
    juce::ImageCache::releaseUnusedImages();
    ArtworkImages::startDecodingInBackground();
    ArtworkImages::finishDecoding();

    int plain = 0, doubleSize = 0;

    for (auto* resource = EmbeddedResources::all(); resource->name != nullptr; ++resource)
        if (juce::ImageCache::getFromHashCode ((juce::int64) (juce::pointer_sized_int) resource->data).isValid())
            ++(juce::String (resource->name).endsWith ("@2x.png") ? doubleSize : plain);

    EXPECT_GT (plain, 60);
    EXPECT_EQ (doubleSize, 0);
}

// The editor drawn at 200 % for each of the nine views, against committed pictures.
TEST (EditorRendering, EveryViewAt200PercentMatchesItsReference)
{
    BackTo100Percent restore;
    ArtworkImages::useSetForScale (2.0f);
    EngineFixture f;
    std::unique_ptr<EditorComponent> editor (newEditor (f.engine));

    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        editor->viewSelected (view);
        const auto actual = editor->createComponentSnapshot (editor->getLocalBounds(), true, 2.0f);
        ASSERT_EQ (actual.getBounds(), juce::Rectangle<int> (0, 0, 2400, 1400));
        reference::expectMatches (actual, "editor-200-view-" + juce::String (view));
    }
}
