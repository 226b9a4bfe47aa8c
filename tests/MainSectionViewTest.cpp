#include "ShellTestSupport.h"

#include "views/EditorComponent.h"
#include "views/MainSectionView.h"
#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

#include <gtest/gtest.h>

namespace
{
class MainSectionViewDispatch : public ::testing::Test, protected WindowFixture
{
protected:
    void SetUp() override
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getNonexistentChildFile ("orbmini-main-section", {}, false);
        ASSERT_TRUE (folder.createDirectory());
        auto* editor = new EditorComponent (new TabSelectorButtons(), new OrbMiniProductProductImageViewSelector(),
                                            engine, 8, 16, 24);
        window = manager.createWindow (editor, engine, {});
        main = dynamic_cast<MainSectionView*> (editor->getView (0));
        ASSERT_NE (main, nullptr);
    }

    void TearDown() override
    {
        closeDialogsAndAlerts();
        folder.deleteRecursively();
    }

    void click (int buttonIndex)
    {
        main->getButton (buttonIndex)->triggerClick();
        pumpMessages (20);
    }

    ScriptedFileChooser chooser;
    juce::File folder;
    EditorWindow* window = nullptr;
    MainSectionView* main = nullptr;
};
} // namespace

TEST (MainSectionView, FourPictureButtonsInOrder)
{
    EngineFixture fixture;
    MainSectionView view (fixture.engine);
    const char* names[] = { "Get From Hardware", "Send To Hardware", "Save To File", "Load From File" };
    ASSERT_EQ (view.getNumButtons(), 4);

    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE (names[i]);
        auto* button = dynamic_cast<juce::ImageButton*> (view.getButton (i));
        ASSERT_NE (button, nullptr);
        EXPECT_EQ (button->getName(), names[i]);
        EXPECT_TRUE (button->isVisible());

        // Pressing keeps the normal picture; hovering shows another one.
        ASSERT_TRUE (button->getNormalImage().isValid());
        EXPECT_EQ (button->getDownImage(), button->getNormalImage());
        EXPECT_NE (button->getOverImage(), button->getNormalImage());
        EXPECT_TRUE (static_cast<juce::Component*> (button)->hitTest (0, 0));
    }
}

TEST_F (MainSectionViewDispatch, EachButtonReachesItsWindow)
{
    click (0);
    auto* getDialog = window->getGetDialog();
    EXPECT_NE (getDialog, nullptr);
    click (0);
    EXPECT_EQ (window->getGetDialog(), getDialog);
    EXPECT_EQ (findWindows<GetPresetWindow>().size(), 1u);
    click (1);
    EXPECT_NE (window->getSendDialog(), nullptr);
    EXPECT_TRUE (chooser.requests.empty());

    const auto file = folder.getChildFile ("Lead.orp");
    chooser.answerWith (file);
    click (2);
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_TRUE (chooser.requests[0].forSaving);
    EXPECT_TRUE (file.existsAsFile());
    EXPECT_TRUE (window->getName().endsWith (" - Lead"));

    // Change a value, then load the saved file back through "Load From File".
    auto* knob = engine->getControl (7, 0);
    const auto before = knob->getParameterValue ("CC");
    knob->setParameterValue ("CC", (std::uint8_t) (before == 5 ? 6 : 5), false);
    chooser.answerWith (file);
    click (3);
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_FALSE (chooser.requests[1].forSaving);
    EXPECT_EQ (knob->getParameterValue ("CC"), before);
}
