#include "ShellTestSupport.h"

#include "views/MainSectionView.h"

#include <gtest/gtest.h>

namespace
{
class MainSectionViewDispatch : public ::testing::Test, protected WindowFixture
{
protected:
    void SetUp() override
    {
        auto* editor = newEditorComponent (engine);
        window = manager.createWindow (editor, engine, {});
        main = dynamic_cast<MainSectionView*> (editor->getView (0));
        ASSERT_NE (main, nullptr);
    }

    void TearDown() override { closeDialogsAndAlerts(); }

    ScriptedFileChooser chooser;
    const juce::File file = testDirectory ("main-section").getChildFile ("Lead.orp");
    EditorWindow* window = nullptr;
    MainSectionView* main = nullptr;
};
} // namespace

// The buttons are told apart by name, so reaching the right window action also checks names and order.
TEST_F (MainSectionViewDispatch, EachButtonReachesItsWindow)
{
    clickAndWait (*main->getButton (0));
    EXPECT_NE (window->getGetDialog(), nullptr);
    clickAndWait (*main->getButton (1));
    EXPECT_NE (window->getSendDialog(), nullptr);
    EXPECT_TRUE (chooser.requests.empty());

    chooser.answerWith (file);
    clickAndWait (*main->getButton (2));
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_TRUE (chooser.requests[0].forSaving);
    EXPECT_TRUE (file.existsAsFile());

    chooser.answerWith (file);
    clickAndWait (*main->getButton (3));
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_FALSE (chooser.requests[1].forSaving);
}

TEST_F (MainSectionViewDispatch, PressingKeepsThePictureAndHoveringChangesIt)
{
    ASSERT_EQ (main->getNumButtons(), 4);
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE (i);
        auto* button = dynamic_cast<juce::ImageButton*> (main->getButton (i));
        ASSERT_NE (button, nullptr);
        EXPECT_TRUE (button->isVisible());
        ASSERT_TRUE (button->getNormalImage().isValid());
        EXPECT_EQ (button->getDownImage(), button->getNormalImage());
        EXPECT_NE (button->getOverImage(), button->getNormalImage());
        EXPECT_TRUE (static_cast<juce::Component*> (button)->hitTest (0, 0)); // transparent corner
    }
}
