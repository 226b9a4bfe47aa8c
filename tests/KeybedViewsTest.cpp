#include "model/ControlType.h"
#include "views/KeybedControlView.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
struct KeybedViews : SectionViewTest
{
    KeybedControlView view { engine };

    KeybedParameterView& panel (int index) { return *view.getZonePanel (index); }
    NumberBoxWithLabel& box (int panelIndex, int row) { return *panel (panelIndex).getController (row); }
    bool showsSplit() { return ! panel (0).isVisible() && panel (1).isVisible() && panel (2).isVisible(); }
    bool showsWhole() { return panel (0).isVisible() && ! panel (1).isVisible() && ! panel (2).isVisible(); }
};
} // namespace

TEST_F (KeybedViews, SplitModeChoosesOneOrTwoZonePanels)
{
    EXPECT_EQ (panel (0).getBounds(), juce::Rectangle<int> (258, 10, 300, 200));
    EXPECT_EQ (panel (1).getBounds(), juce::Rectangle<int> (258, 10, 300, 200));
    EXPECT_EQ (panel (2).getBounds(), juce::Rectangle<int> (563, 15, 300, 200));
    EXPECT_EQ (view.getDivider().getBounds(), juce::Rectangle<int> (250, 15, 3, 191));

    auto& splitMode = view.getSplitSelector().getSplitMode();
    EXPECT_EQ (entries (splitMode), juce::StringArray ({ "On", "Off" }));

    choose (splitMode, "On");
    EXPECT_EQ (stored (keybedType, "Split Mode"), 0);
    EXPECT_TRUE (showsSplit());
    render (view, "keybed-split.png");

    choose (splitMode, "Off");
    EXPECT_EQ (stored (keybedType, "Split Mode"), 1);
    EXPECT_TRUE (showsWhole());
    render (view, "keybed-single.png");

    // A preset load switches the panels too; nothing selected counts as split.
    loadWith (keybedType, 0, "Split Mode", 0);
    EXPECT_EQ (chosen (splitMode), "On");
    EXPECT_TRUE (showsSplit());
    loadWith (keybedType, 0, "Split Mode", 1);
    splitMode.getComboBox().setSelectedId (0);
    settle();
    EXPECT_TRUE (showsSplit());
}

TEST_F (KeybedViews, PanelsShowShortCaptionsAndEditTheirOwnZone)
{
    const char* names[] = { "Keybed", "Lower Keybed", "Upper Keybed" };
    const char* captions[] = { "MIDI Channel", "Transpose", "Octave", "Curve" };
    for (int p = 0; p < 3; ++p)
        for (int row = 0; row < 4; ++row)
        {
            EXPECT_EQ (panel (p).getController (row)->getLabel().getText(), captions[row]);
            EXPECT_EQ (panel (p).getController (row)->parameterName, juce::String (names[p]) + " " + captions[row]);
        }

    for (auto* name : names)
        group (keybedType).setParameterValue (juce::String (name) + " Transpose", 12, false);
    enter (box (2, 1), "-12");
    EXPECT_EQ (stored (keybedType, "Upper Keybed Transpose"), 0);
    EXPECT_EQ (stored (keybedType, "Lower Keybed Transpose"), 12);
    EXPECT_EQ (stored (keybedType, "Keybed Transpose"), 12);

    enter (box (0, 0), "16");
    EXPECT_EQ (stored (keybedType, "Keybed MIDI Channel"), 15);
    enter (box (1, 3), "8");
    EXPECT_EQ (stored (keybedType, "Lower Keybed Curve"), 7);

    // The octave box takes 0 to 7 in every panel.
    for (int p = 0; p < 3; ++p)
    {
        enter (box (p, 2), "7");
        enter (box (p, 2), "8");
        EXPECT_EQ (stored (keybedType, juce::String (names[p]) + " Octave"), 7);
    }

    // Hidden panels follow preset loads as well.
    loadWith (keybedType, 0, "Upper Keybed Transpose", 5);
    EXPECT_EQ (shown (box (2, 1)), -7.0);
}

TEST_F (KeybedViews, SplitPointShowsOneMoreThanItStores)
{
    auto& splitPoint = view.getSplitSelector().getSplitPoint();
    enter (splitPoint, "25");
    EXPECT_EQ (stored (keybedType, "Split Point"), 24);
    enter (splitPoint, "1");
    EXPECT_EQ (stored (keybedType, "Split Point"), 0);
    enter (splitPoint, "26");
    EXPECT_EQ (shown (splitPoint), 1.0);
    EXPECT_EQ (stored (keybedType, "Split Point"), 0);
}

TEST_F (KeybedViews, EachZoneHasItsOwnMidiToDinFlag)
{
    const char* flags[] = { "Keybed Midi To DIN", "Lower Keybed Midi To DIN", "Upper Keybed Midi To DIN" };
    for (int p = 0; p < 3; ++p)
    {
        click (panel (p).getMidiToDinButton());
        for (int q = 0; q < 3; ++q)
            EXPECT_EQ (stored (controlsToMidiDinType, flags[q]), q <= p ? 1 : 0) << flags[q];
    }
}
