#include "model/ControlType.h"
#include "views/PadBank.h"
#include "views/RollModeBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
struct PadViews : SectionViewTest
{
    PadBank bank { 16, engine };
};

struct RollModeView : SectionViewTest
{
    RollModeBank bank { engine };
    RollModeControlView& view = bank.getControlView();
};
} // namespace

TEST_F (PadViews, SixteenPadsInFourBanksWithOneFlag)
{
    settle();
    auto& pages = bank.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 4);
    EXPECT_EQ (bank.getMidiToDinButton().getPosition(), juce::Point<int> (405, 0));
    render (bank, "pads.png");

    for (int page = 0; page < 4; ++page)
    {
        const auto items = shownItems (pages);
        ASSERT_EQ (items.size(), 4);
        auto* last = dynamic_cast<PadControlView*> (items[3]);
        EXPECT_EQ (last->getTitleLabel().getText(), "Pad " + juce::String (page * 4 + 4));
        EXPECT_EQ (last->getPadIndex(), (std::uint32_t) page * 4 + 3);
        EXPECT_EQ (bank.getMidiToDinButton().getPosition(), juce::Point<int> (405, 0));
        EXPECT_TRUE (bank.getMidiToDinButton().isVisible());
        pageForward (pages);
    }

    click (bank.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Pads Midi To DIN"), 1);
}

TEST_F (PadViews, ModeGroupsRangesAndAPresetWithProgramChangeOnPadFive)
{
    auto& pad = bank.getControlView (4);
    settle();
    EXPECT_EQ (entries (*pad.getModeSelector()),
               juce::StringArray ({ "Note", "CC Toggle", "CC Momentary", "Program Change" }));
    EXPECT_EQ (shownGroup (pad), juce::StringArray ({ "MIDI Channel", "Note", "Fixed", "Curve" }));
    ASSERT_EQ (pad.getNumControllers(), 16);

    loadWith (padType, 4, "Mode", 3);
    EXPECT_EQ (chosen (*pad.getModeSelector()), "Program Change");
    EXPECT_EQ (shownGroup (pad), juce::StringArray ({ "MIDI Channel", "Bank LSB", "Bank MSB", "Program" }));
    EXPECT_EQ (shownGroup (bank.getControlView (3)), juce::StringArray ({ "MIDI Channel", "Note", "Fixed", "Curve" }));
    EXPECT_EQ (stored (padType, 4, "Mode"), 3);

    // Ranges: channel and curve from 1, the rest 0 to 127.
    enter (groupBox (pad, 0, 3), "8");
    EXPECT_EQ (stored (padType, 4, "Curve"), 7);
    enter (groupBox (pad, 0, 3), "9");
    EXPECT_EQ (stored (padType, 4, "Curve"), 7);
    enter (groupBox (pad, 3, 0), "1");
    EXPECT_EQ (stored (padType, 4, "MIDI Channel"), 0);
    enter (groupBox (pad, 3, 3), "127");
    EXPECT_EQ (stored (padType, 4, "Program"), 127);
    EXPECT_EQ (stored (padType, 5, "Program"), 0);
}

TEST_F (PadViews, SharedBytesFollowTheEditAcrossModes)
{
    auto& pad = bank.getControlView (0);
    settle();
    choose (*pad.getModeSelector(), "CC Toggle");
    EXPECT_EQ (stored (padType, 0, "Mode"), 1);
    EXPECT_EQ (shownGroup (pad), juce::StringArray ({ "MIDI Channel", "CC", "Toggle On", "Toggle Off" }));

    enter (groupBox (pad, 1, 2), "100");   // Toggle On
    enter (groupBox (pad, 1, 0), "9");     // MIDI Channel
    choose (*pad.getModeSelector(), "Note");
    EXPECT_EQ (stored (padType, 0, "Mode"), 0);
    EXPECT_EQ (stored (padType, 0, "Fixed"), 100);
    EXPECT_EQ (shown (groupBox (pad, 0, 2)), 100.0);
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ (shown (groupBox (pad, g, 0)), 9.0) << "channel box of group " << g;
}

TEST_F (RollModeView, FunctionTimeDivisionGateAndSwing)
{
    settle();
    EXPECT_EQ (view.getTitle().getText(), "Roll Mode");
    EXPECT_EQ (view.getTitle().getBounds(), juce::Rectangle<int> (60, 0, 300, 20));
    EXPECT_EQ (view.getTitle().getFont().getHeight(), 18.0f);
    EXPECT_EQ (view.getFunction().getBounds(), juce::Rectangle<int> (0, 30, 200, 20));
    EXPECT_EQ (view.getTimeDivision().getBounds(), juce::Rectangle<int> (0, 55, 200, 20));
    EXPECT_EQ (view.getGate().getBounds(), juce::Rectangle<int> (0, 80, 200, 20));
    EXPECT_EQ (view.getSwing().getBounds(), juce::Rectangle<int> (0, 105, 200, 20));
    EXPECT_EQ (entries (view.getFunction()), juce::StringArray ({ "Toggle", "Momentary" }));
    EXPECT_EQ (entries (view.getTimeDivision()),
               juce::StringArray ({ "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));
    EXPECT_EQ (bank.getBankView().getNumBanks(), 1);
    render (bank, "rollmode.png");

    choose (view.getFunction(), "Momentary");
    choose (view.getTimeDivision(), "1/32T");
    EXPECT_EQ (stored (rollModeType, "Function"), 1);
    EXPECT_EQ (stored (rollModeType, "Time Div"), 7);

    enter (view.getGate(), "1");
    EXPECT_EQ (stored (rollModeType, "Gate"), 0);
    enter (view.getGate(), "99");
    EXPECT_EQ (stored (rollModeType, "Gate"), 98);

    enter (view.getSwing(), "74");
    EXPECT_EQ (stored (rollModeType, "Swing"), 24);
    enter (view.getSwing(), "75");
    EXPECT_EQ (stored (rollModeType, "Swing"), 24);
    EXPECT_EQ (shown (view.getSwing()), 74.0) << "a refused swing snaps back to the stored one";
    enter (view.getSwing(), "50");
    EXPECT_EQ (stored (rollModeType, "Swing"), 0);
}
