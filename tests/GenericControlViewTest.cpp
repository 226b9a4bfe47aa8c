#include "ShellTestSupport.h"

#include "midi/JuceMidiPorts.h"
#include "model/ControlType.h"
#include "views/GenericControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"
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

// A knob view in miniature: the "Mode" list of knob 2 chooses between a CC group and a channel group.
class KnobLikeView : public GenericControlView
{
public:
    explicit KnobLikeView (OrbEditorEngine::Ptr e) : GenericControlView ("Knob 3"), engine (std::move (e))
    {
        buildControls();
        showControlGroup (0);
    }

    void buildControls() override
    {
        mode = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", 2, knobType, juce::StringArray(),
                                                                    nullptr);
        setModeSelector (mode.get());
        cc = std::make_unique<DoubleParamterControllerNumberBox> (engine, "CC", 2, knobType, 0, 127, 0);
        channel = std::make_unique<DoubleParamterControllerNumberBox> (engine, "MIDI Channel", 2, knobType, 1, 16, 1);
        addControlGroup ("CC", { cc.get() });
        addControlGroup ("Channel", { channel.get() });
    }

    OrbEditorEngine::Ptr engine;
    std::unique_ptr<DoubleParameterControllerComboBox> mode;
    std::unique_ptr<DoubleParamterControllerNumberBox> cc, channel;
};

std::vector<bool> groupVisibility (const GenericControlView& view)
{
    std::vector<bool> shown;
    for (int i = 0; i < view.getNumControlGroups(); ++i)
        shown.push_back (view.getControlGroup (i)->isVisible());

    return shown;
}
} // namespace

TEST (GenericControlView, TitleModeListAndGroupsAreLaidOutFromTheTop)
{
    ThreeModeView view;
    EXPECT_EQ (view.getBounds(), juce::Rectangle<int> (0, 0, 300, 200));

    auto& title = view.getTitleLabel();
    EXPECT_EQ (title.getName(), "Thing 3");
    EXPECT_EQ (title.getText(), "Thing 3");
    EXPECT_EQ (title.getBounds(), juce::Rectangle<int> (70, 0, 300, 18));
    EXPECT_EQ (title.findColour (juce::Label::textColourId), juce::Colour (0xFFFFFFFF));
    EXPECT_FLOAT_EQ (title.getFont().getHeight(), 18.0f);
    EXPECT_TRUE (title.isVisible());

    ASSERT_EQ (view.getModeSelector(), view.mode.get());
    EXPECT_EQ (view.mode->getParentComponent(), &view);
    EXPECT_EQ (view.mode->getBounds(), juce::Rectangle<int> (0, 28, 200, 18));
    EXPECT_TRUE (view.mode->isVisible());

    // The mode entries are the group names, in order, with identifiers from 1.
    auto& list = view.mode->getComboBox();
    ASSERT_EQ (list.getNumItems(), 3);
    EXPECT_EQ (list.getItemText (0), "First");
    EXPECT_EQ (list.getItemText (2), "Third");
    EXPECT_EQ (list.getItemId (1), 2);

    ASSERT_EQ (view.getNumControlGroups(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ (view.getControlGroup (i)->getBounds(), juce::Rectangle<int> (0, 51, 200, 180));
        EXPECT_EQ (view.getControlGroup (i)->getParentComponent(), &view);
    }

    // Four widgets stack at 0, 23, 46, 69 and are shown within their group.
    auto* first = view.getControlGroup (0);
    ASSERT_EQ (first->getWidgets().size(), 4);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (view.boxes[i]->getParentComponent(), first);
        EXPECT_EQ (view.boxes[i]->getBounds(), juce::Rectangle<int> (0, 23 * i, 200, 18));
        EXPECT_TRUE (view.boxes[i]->isVisible());
    }
    EXPECT_EQ (view.boxes[6]->getBounds(), juce::Rectangle<int> (0, 23, 200, 18));
}

TEST (GenericControlView, OnlyTheGroupOfTheChosenModeIsShown)
{
    ThreeModeView view;
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

TEST (GenericControlView, APresetThatSetsTheModeSwitchesTheGroup)
{
    std::uint8_t modelByte = 0x3E;
    JuceMidiPorts ports;
    MidiManager midi { ports };
    OrbEditorEngine::Ptr engine = new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24);
    auto* knob = engine->getControl (knobType, 2);
    ASSERT_NE (knob, nullptr);

    KnobLikeView view (engine);
    knob->setParameterValue ("Mode", 1, true);
    pumpMessages (30);
    EXPECT_EQ (view.mode->getComboBox().getSelectedId(), 2);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, true }));

    knob->setParameterValue ("Mode", 0, true);
    pumpMessages (30);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { true, false }));

    // And the user's choice in the list reaches the knob.
    view.mode->getComboBox().setSelectedId (2, juce::sendNotificationSync);
    EXPECT_EQ (knob->getParameterValue ("Mode"), 1);
    EXPECT_EQ (groupVisibility (view), (std::vector<bool> { false, true }));
}
