#include "ShellTestSupport.h"

#include <set>

namespace
{
class EditorComponentTest : public ::testing::Test, protected EngineFixture
{
protected:
    void SetUp() override { editor.reset (newEditorComponent (engine)); }

    // Only that view (none for -1) is a visible child of the editor, and exactly the buttons registered
    // under it are on (the octave region with the keybed, the second roll mode region with the transport).
    void expectCurrent (int viewIndex)
    {
        std::set<int> attached, visible, expected = viewIndex < 0 ? std::set<int>() : std::set<int> { viewIndex };
        for (int i = 0; i < editor->getNumViews(); ++i)
        {
            if (editor->getView (i)->getParentComponent() == editor.get())
                attached.insert (i);
            if (editor->getView (i)->isVisible())
                visible.insert (i);
        }
        EXPECT_EQ (attached, expected);
        EXPECT_EQ (visible, expected);
        for (auto* selector : { editor->getTabSelector(), editor->getPictureSelector() })
            for (int i = 0; i < selector->getNumViewButtons(); ++i)
                EXPECT_EQ (selector->getViewButton (i)->getToggleState(), selector->getViewIndex (i) == viewIndex)
                    << selector->getViewButton (i)->getName();
    }

    std::unique_ptr<EditorComponent> editor;
};
} // namespace

TEST_F (EditorComponentTest, AnIndexOutsideTheViewsHidesEveryViewAndMarksNothing)
{
    for (int index : { 9, -1, 1000 })
    {
        SCOPED_TRACE (index);
        editor->viewSelected (3);
        editor->viewSelected (index);
        expectCurrent (-1);
    }

    editor->viewSelected (2);
    expectCurrent (2);

    // The tab of the view already shown keeps it shown and marked.
    clickAndWait (*editor->getTabSelector()->getViewButton (2));
    expectCurrent (2);
}
