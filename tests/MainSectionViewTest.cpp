#include "ShellTestSupport.h"

#include "views/MainSectionView.h"

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
    clickAndWait (*main->getButton (1));
    EXPECT_TRUE (window->getGetDialog() != nullptr && window->getSendDialog() != nullptr && chooser.requests.empty());

    chooser.answerWith (file);
    clickAndWait (*main->getButton (2));
    ASSERT_EQ (chooser.requests.size(), 1u);
    EXPECT_TRUE (chooser.requests[0].forSaving && file.existsAsFile());

    chooser.answerWith (file);
    clickAndWait (*main->getButton (3));
    ASSERT_EQ (chooser.requests.size(), 2u);
    EXPECT_FALSE (chooser.requests[1].forSaving);
}
