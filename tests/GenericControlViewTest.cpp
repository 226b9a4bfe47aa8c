#include "views/GenericControlView.h"
#include "widgets/NumberBoxWithLabel.h"

#include <gtest/gtest.h>

namespace
{
// A view with three modes of unbound widgets: 4, 1 and 2 widgets.
class ThreeModeView : public GenericControlView
{
public:
    ThreeModeView() : GenericControlView ("Thing 3")
    {
        buildControls();
        showControlGroup (0);
    }

    void buildControls() override
    {
        mode = std::make_unique<ComboBoxWithLabel> (juce::StringArray(), "Mode", nullptr);
        setModeSelector (mode.get());

        for (int i = 0; i < 7; ++i)
            boxes.add (new NumberBoxWithLabel (0, 127, "Box " + juce::String (i), nullptr));

        addControlGroup ("First", { boxes[0], boxes[1], boxes[2], boxes[3] });
        addControlGroup ("Second", { boxes[4] });
        addControlGroup ("Third", { boxes[5], boxes[6] });
    }

    std::unique_ptr<ComboBoxWithLabel> mode;
    juce::OwnedArray<NumberBoxWithLabel> boxes;
};

std::vector<bool> groupVisibility (const GenericControlView& view)
{
    std::vector<bool> shown;
    for (int i = 0; i < view.getNumControlGroups(); ++i)
        shown.push_back (view.getControlGroup (i)->isVisible());

    return shown;
}
} // namespace

TEST (GenericControlView, OnlyTheGroupOfTheChosenModeIsShown)
{
    ThreeModeView view;
    ASSERT_EQ (view.mode->getComboBox().getNumItems(), 3);
    EXPECT_EQ (view.mode->getComboBox().getItemText (2), "Third");
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { true, false, false }));

    view.mode->getComboBox().setSelectedId (2, juce::sendNotificationSync);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, true, false }));

    view.mode->getComboBox().setSelectedId (3, juce::sendNotificationSync);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, false, true }));

    // No selection (a stored mode without an entry) hides every group.
    view.mode->getComboBox().setSelectedId (0, juce::sendNotificationSync);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, false, false }));

    view.showControlGroup (0);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { true, false, false }));
    view.showControlGroup (7);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, false, false }));
}
