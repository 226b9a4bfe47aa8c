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

// The ticked menu entries and the desktop's scale, "125 % at 1.25" (this display's framework scale is 1).
juce::String shownZoom (const EditorZoom& zoom)
{
    juce::StringArray ticked;

    for (auto id : EditorZoom::commandIDs)
    {
        juce::ApplicationCommandInfo info (id);
        EXPECT_TRUE (zoom.getCommandInfo (id, info));

        if ((info.flags & juce::ApplicationCommandInfo::isTicked) != 0)
            ticked.add (info.shortName);
    }

    return ticked.joinIntoString (", ") + " at " + juce::String (juce::Desktop::getInstance().getGlobalScaleFactor());
}

EditorComponent* newEditor (OrbEditorEngine::Ptr engine)
{
    engine->loadPresetData (embeddedDefault());
    return newEditorComponent (engine);
}
} // namespace

// 110 dpi is 1.146, the nearest quarter 1.25; never smaller than the editor's own size. The dpi is
// read from the X resources' text.
TEST (DesktopScale, TheXftDpiGivesAQuarterStepFrom100To400Percent)
{
    for (auto [dpi, scale] :
         { std::pair { 96, 1.0f }, { 120, 1.25f }, { 110, 1.25f }, { 100, 1.0f }, { 72, 1.0f }, { 2000, 4.0f } })
        EXPECT_FLOAT_EQ (DesktopScale::fromDpi (dpi), scale) << dpi;

    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
    EXPECT_EQ (DesktopScale::findXftDpi ("Xft.dpi: 144.5"), 144.5);
    for (auto text : { "", "Xft.dpiScale:\t2\n*dpi:\t192\n", "Xft.dpi:\tlarge\n", "Xft.dpi:\t0\n" })
        EXPECT_EQ (DesktopScale::findXftDpi (text), std::nullopt) << text;
}

TEST (EditorZoom, FollowsTheDesktopUntilTheUserPicksAScale)
{
    BackTo100Percent restore;
    float desktopScale = 2.0f;
    EditorZoom zoom ([&desktopScale] { return desktopScale; });
    EXPECT_EQ (shownZoom (zoom), "200 %, Follow Desktop at 2");

    EXPECT_TRUE (zoom.perform (EditorZoom::zoom125Command));
    EXPECT_EQ (shownZoom (zoom), "125 % at 1.25");

    // Following again asks the desktop again.
    desktopScale = 1.5f;
    EXPECT_TRUE (zoom.perform (EditorZoom::followDesktopCommand));
    EXPECT_EQ (shownZoom (zoom), "150 %, Follow Desktop at 1.5");

    EXPECT_TRUE (zoom.perform (EditorZoom::zoom100Command));
    EXPECT_EQ (shownZoom (zoom), "100 % at 1");
}

// Pictures of the @2x set above 100 %, of the plain set at 100 %, in the same bounds; the hidden
// section views change sets too. The window's size at each scale is e2e/screen_scale.sh's.
TEST (EditorZoom, OpenWindowsShowThePicturesOfTheScale)
{
    BackTo100Percent restore;
    WindowFixture f;
    auto* editor = newEditor (f.engine);
    ASSERT_NE (f.manager.createWindow (editor, f.engine, {}), nullptr);
    pumpMessages (50);

    auto* knobs = dynamic_cast<BankView*> (editor->getView (1));
    ASSERT_NE (knobs, nullptr);
    auto* hiddenArrow = knobs->getNextBankButton();

    const auto expectSet = [&] (int set) {
        EXPECT_EQ (editor->getBackground().getImage().getWidth(), 1200 * set);
        EXPECT_EQ (hiddenArrow->getOverImage().getHeight(), 26 * set);
    };

    expectSet (1);

    EditorZoom zoom ([] { return 1.0f; });
    zoom.setFixedScale (2.0f);
    pumpMessages (50);
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

// Every picture has its @2x twin of exactly twice its size, and the twin's logical bounds, read
// from the file's header, are the plain picture's size (a plain picture's own are what every
// reference picture drawn at 100 % lays out).
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
        EXPECT_EQ (ArtworkImages::getLogicalBounds (twin->name), plain.getBounds()) << name;
        ++pairs;
    }

    EXPECT_GT (pairs, 60);
    EXPECT_TRUE (ArtworkImages::getLogicalBounds ("DefaultPreset.syx").isEmpty());
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
        reference::expectMatches (actual, "editor-200-view-" + juce::String (view));
    }
}
