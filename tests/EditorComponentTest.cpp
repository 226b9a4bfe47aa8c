#include "ShellTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
class EditorComponentTest : public ::testing::Test, protected EngineFixture
{
protected:
    void SetUp() override { editor.reset (newEditorComponent (engine)); }

    // The indices of the views that are children of the editor, and of those that are visible.
    std::set<int> attachedViews (bool visibleOnes = false) const
    {
        std::set<int> found;
        for (int i = 0; i < editor->getNumViews(); ++i)
        {
            auto* view = editor->getView (i);
            if (visibleOnes ? view->isVisible() : view->getParentComponent() == editor.get())
                found.insert (i);
        }

        return found;
    }

    // Names of the turned-on buttons with their view indices, e.g. "6:Octave Selector Button", or
    // of every button registered under an index: all of those are marked (the octave region with the
    // keybed, the second roll mode region with the transport).
    static std::set<juce::String> marked (const ViewSelector& selector, int registeredUnder = -1)
    {
        std::set<juce::String> result;
        for (int i = 0; i < selector.getNumViewButtons(); ++i)
            if (registeredUnder < 0 ? selector.getViewButton (i)->getToggleState()
                                    : selector.getViewIndex (i) == registeredUnder)
                result.insert (juce::String (selector.getViewIndex (i)) + ":" + selector.getViewButton (i)->getName());

        return result;
    }

    void expectCurrent (int viewIndex)
    {
        EXPECT_EQ (attachedViews(), std::set<int> { viewIndex });
        EXPECT_EQ (attachedViews (true), std::set<int> { viewIndex });
        for (auto* selector : { editor->getTabSelector(), editor->getPictureSelector() })
            EXPECT_EQ (marked (*selector), marked (*selector, viewIndex));
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
        EXPECT_TRUE (attachedViews().empty());
        EXPECT_TRUE (attachedViews (true).empty());
        for (auto* selector : { editor->getTabSelector(), editor->getPictureSelector() })
            EXPECT_TRUE (marked (*selector).empty());
    }

    editor->viewSelected (2);
    expectCurrent (2);

    // The tab of the view already shown keeps it shown and marked.
    clickAndWait (*editor->getTabSelector()->getViewButton (2));
    expectCurrent (2);
}
