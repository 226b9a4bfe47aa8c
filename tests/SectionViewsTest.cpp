#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/KeybedControlView.h"
#include "views/KnobBank.h"
#include "views/PadBank.h"
#include "views/RollModeBank.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TransportBank.h"
#include "views/WheelBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
// Every section view over one engine.
struct SectionViews : SectionViewTest
{
    KnobBank knobs { 8, engine };
    SwitchBank switches { 24, engine };
    PadBank pads { 16, engine };
    RollModeBank rollBank { engine };
    RollModeControlView& roll = rollBank.getControlView();
    SustainBank sustain { engine };
    TransportBank transport { engine };
    WheelBank wheels { engine };
    ModWheelView& mod = wheels.getModWheelView();
    PitchWheelView& pitch = wheels.getPitchWheelView();
    KeybedControlView view { engine };

    KeybedParameterView& panel (int index) { return *view.getZonePanel (index); }
    NumberBoxWithLabel& box (int panelIndex, int row) { return *panel (panelIndex).getController (row); }
    bool showsSplit() { return ! panel (0).isVisible() && panel (1).isVisible() && panel (2).isVisible(); }
    bool showsWhole() { return panel (0).isVisible() && ! panel (1).isVisible() && ! panel (2).isVisible(); }
};

// Pages through a bank of four-item pages and checks the last item of each: its title and index.
template <typename ItemView, typename IndexOf>
void expectPages (BankView& pages, int numPages, const juce::String& title, IndexOf indexOf)
{
    ASSERT_EQ (pages.getNumBanks(), numPages);
    for (int page = 0; page < numPages; ++page)
    {
        SCOPED_TRACE (page);
        const auto items = shownItems (pages);
        ASSERT_EQ (items.size(), 4);
        auto* last = dynamic_cast<ItemView*> (items[3]);
        ASSERT_NE (last, nullptr);
        EXPECT_EQ (last->getTitleLabel().getText(), title + " " + juce::String (page * 4 + 4));
        EXPECT_EQ ((int) indexOf (*last), page * 4 + 3);
        pageForward (pages);
    }
    EXPECT_EQ (pages.getCurrentBank(), numPages - 1); // no wrap-around
}
} // namespace

TEST_F (SectionViews, EightKnobsInTwoBanksTheFifthEditsInstanceFourAndTheFlagIsTheKnobs)
{
    settle();
    expectPages<KnobControlView> (knobs.getBankView(), 2, "Knob", [] (KnobControlView& v) { return v.getKnobIndex(); });
    auto& fifth = *dynamic_cast<KnobControlView*> (shownItems (knobs.getBankView())[0]);
    enter (groupBox (fifth, 0, 1), "21");
    EXPECT_EQ (stored (ControlType::knobs, 4, "CC"), 21);
    for (int k : { 3, 5 })
        EXPECT_EQ (stored (ControlType::knobs, k, "CC"), 0) << k;

    click (knobs.getMidiToDinButton());
    EXPECT_EQ (stored (ControlType::controlsToMidiDin, "Knobs Midi To DIN"), 1);
}

// Each entry of a mode list shows the boxes the presentation table gives that mode, and is stored
// for that instance alone.
TEST_F (SectionViews, EveryModeShowsItsOwnBoxes)
{
    settle();
    const std::pair<GenericControlView*, ControlType> views[] = { { &knobs.getControlView (4), ControlType::knobs },
                                                                  { &pads.getControlView (4), ControlType::pads },
                                                                  { &switches.getControlView (4),
                                                                    ControlType::switches } };
    for (auto [view, type] : views)
    {
        const auto& modes = PresetPresentation::findSection (type)->modes;
        ASSERT_GT (modes.size(), 1);

        for (int m = modes.size(); --m >= 0;)
        {
            SCOPED_TRACE (modes[m].name.toStdString());
            choose (*view->getModeSelector(), modes[m].name);
            EXPECT_EQ (shownGroup (*view), modes[m].parameters);
            EXPECT_EQ (stored (type, 4, "Mode"), m);
            EXPECT_EQ (stored (type, 3, "Mode"), 0);
        }
    }
}

TEST_F (SectionViews, SwitchModesShareTheirBytesAndAModeWithoutAnEntryShowsNoBoxes)
{
    pageForward (switches.getBankView());
    auto& fifth = *dynamic_cast<SwitchControlView*> (shownItems (switches.getBankView())[0]);
    auto& mode = *fifth.getModeSelector();
    choose (mode, "Program Change");
    enter (groupBox (fifth, 2, 3), "33");
    enter (groupBox (fifth, 2, 0), "16");

    // "CC" shares its byte with "Program", and every group has its own channel box: all follow.
    choose (mode, "CC Momentary");
    EXPECT_EQ (shown (groupBox (fifth, 1, 1)), 33.0);
    EXPECT_EQ (shown (groupBox (fifth, 1, 0)), 16.0);

    // A stored mode without an entry shows no group and keeps its byte.
    auto& first = switches.getControlView (0);
    loadWith (ControlType::switches, 0, "Mode", 3);
    EXPECT_EQ (chosen (*first.getModeSelector()), "");
    EXPECT_TRUE (shownGroup (first).isEmpty());
    EXPECT_EQ (stored (ControlType::switches, 0, "Mode"), 3);
    fifth.showControlGroup (7);
    EXPECT_TRUE (shownGroup (fifth).isEmpty());
}

TEST_F (SectionViews, TwentyFourSwitchesAndSixteenPadsInBanksOfFourAndOnePadFlag)
{
    settle();
    expectPages<SwitchControlView> (switches.getBankView(), 6, "Switch",
                                    [] (SwitchControlView& v) { return v.getSwitchIndex(); });
    expectPages<PadControlView> (pads.getBankView(), 4, "Pad", [] (PadControlView& v) { return v.getPadIndex(); });
    EXPECT_TRUE (pads.getMidiToDinButton().isVisible());
    click (pads.getMidiToDinButton());
    EXPECT_EQ (stored (ControlType::controlsToMidiDin, "Pads Midi To DIN"), 1);
}

// Channel and curve show one more than they store.
TEST_F (SectionViews, PadFivesProgramChangeBoxesStoreWithTheirOffsets)
{
    auto& pad = pads.getControlView (4);
    enter (groupBox (pad, 0, 3), "8");
    EXPECT_EQ (stored (ControlType::pads, 4, "Curve"), 7);
    enter (groupBox (pad, 3, 0), "1");
    EXPECT_EQ (stored (ControlType::pads, 4, "MIDI Channel"), 0);
    enter (groupBox (pad, 3, 3), "127");
    EXPECT_EQ (stored (ControlType::pads, 4, "Program"), 127);
    EXPECT_EQ (stored (ControlType::pads, 5, "Program"), 0);
}

TEST_F (SectionViews, RollModeStoresItsChoicesAndShowsGateAndSwingWithTheirOffsets)
{
    settle();
    choose (roll.getFunction(), "Momentary");
    choose (roll.getTimeDivision(), "1/32T");
    EXPECT_EQ (stored (ControlType::rollMode, "Function"), 1);
    EXPECT_EQ (stored (ControlType::rollMode, "Time Div"), 7);

    // The gate shows one more than it stores, the swing 50 more.
    enter (roll.getGate(), "99");
    EXPECT_EQ (stored (ControlType::rollMode, "Gate"), 98);
    enter (roll.getSwing(), "74");
    EXPECT_EQ (stored (ControlType::rollMode, "Swing"), 24);
}

TEST_F (SectionViews, SustainChannelShowsOneMoreThanItStores)
{
    enter (*sustain.getControlView().getWidget (0), "16");
    EXPECT_EQ (stored (ControlType::sustain, "MIDI Channel"), 15);
}

TEST_F (SectionViews, TransportButtonsEditTheirOwnInstance)
{
    auto& pages = transport.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 2);

    auto& play = transport.getControlView (3);
    choose (play.getFunctionSelector(), "Toggle");
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ (stored (ControlType::transport, k, "Function"), k == 3 ? 1 : 0) << k;

    pageForward (pages);
    const auto second = shownItems (pages);
    ASSERT_EQ (second.size(), 2);
    auto& record = *dynamic_cast<TransportControlView*> (second[1]);
    EXPECT_EQ (record.getTitle().getText(), "Record");
    enter (record.getCcBox(), "117");
    EXPECT_EQ (stored (ControlType::transport, 5, "CC"), 117);
    EXPECT_EQ (stored (ControlType::transport, 4, "CC"), stored (ControlType::transport, 0, "CC"));
}

TEST_F (SectionViews, KeybedSplitModeChoosesZonePanelsAndSplitPointShowsOneMore)
{
    auto& splitMode = view.getSplitSelector().getSplitMode();
    choose (splitMode, "On");
    EXPECT_EQ (stored (ControlType::keybed, "Split Mode"), 0);
    EXPECT_TRUE (showsSplit());

    choose (splitMode, "Off");
    EXPECT_EQ (stored (ControlType::keybed, "Split Mode"), 1);
    EXPECT_TRUE (showsWhole());

    // Nothing selected counts as split.
    splitMode.getComboBox().setSelectedId (0);
    settle();
    EXPECT_TRUE (showsSplit());

    // The split point shows one more than it stores.
    auto& splitPoint = view.getSplitSelector().getSplitPoint();
    enter (splitPoint, "25");
    EXPECT_EQ (stored (ControlType::keybed, "Split Point"), 24);
}

TEST_F (SectionViews, KeybedPanelsShowShortCaptionsAndEditTheirOwnZone)
{
    const char* names[] = { "Keybed", "Lower Keybed", "Upper Keybed" };
    const char* captions[] = { "MIDI Channel", "Transpose", "Octave", "Curve" };
    const char* flags[] = { "Keybed Midi To DIN", "Lower Keybed Midi To DIN", "Upper Keybed Midi To DIN" };
    for (int p = 0; p < 3; ++p)
    {
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ (box (p, row).getLabel().getText(), captions[row]);

        // Each zone has its own octave and its own flag.
        enter (box (p, 2), "7");
        EXPECT_EQ (stored (ControlType::keybed, juce::String (names[p]) + " Octave"), 7);
        click (panel (p).getMidiToDinButton());
        for (int q = 0; q < 3; ++q)
            EXPECT_EQ (stored (ControlType::controlsToMidiDin, flags[q]), q <= p ? 1 : 0) << flags[q];
    }

    for (auto* name : names)
        group (ControlType::keybed).setParameterValue (juce::String (name) + " Transpose", 12, false);
    enter (box (2, 1), "-12");
    EXPECT_EQ (stored (ControlType::keybed, "Upper Keybed Transpose"), 0);
    EXPECT_EQ (stored (ControlType::keybed, "Lower Keybed Transpose"), 12);
    EXPECT_EQ (stored (ControlType::keybed, "Keybed Transpose"), 12);
    enter (box (0, 0), "16");
    EXPECT_EQ (stored (ControlType::keybed, "Keybed MIDI Channel"), 15);
    enter (box (1, 3), "8");
    EXPECT_EQ (stored (ControlType::keybed, "Lower Keybed Curve"), 7);
}

TEST_F (SectionViews, ModulationWheelStandsLeftOfThePitchWheelAndChannelsGoUpToOmni)
{
    settle();
    ASSERT_EQ (shownItems (wheels.getBankView()), (juce::Array<juce::Component*> { &mod, &pitch }));

    choose (pitch.getChannelSelector(), "Omni");
    EXPECT_EQ (stored (ControlType::wheels, "Pitch Wheel MIDI Channel"), 16);
    choose (pitch.getChannelSelector(), "16");
    EXPECT_EQ (stored (ControlType::wheels, "Pitch Wheel MIDI Channel"), 15);

    // A channel byte above Omni from a dump shows no entry, and the byte is left alone.
    loadWith (ControlType::wheels, 0, "Mod Wheel MIDI Channel", 17);
    EXPECT_EQ (mod.getChannelSelector().getComboBox().getSelectedId(), 0);
    EXPECT_EQ (stored (ControlType::wheels, "Mod Wheel MIDI Channel"), 17);
}

TEST_F (SectionViews, WheelBoxesWriteTheWheelsOwnParameters)
{
    enter (mod.getCcBox(), "74");
    enter (mod.getMinimumBox(), "100");
    enter (mod.getMaximumBox(), "20");
    EXPECT_EQ (stored (ControlType::wheels, "Mod Wheel CC"), 74);
    EXPECT_EQ (stored (ControlType::wheels, "Mod Wheel Min"), 100);
    EXPECT_EQ (stored (ControlType::wheels, "Mod Wheel Max"), 20) << "the minimum may lie above the maximum";

    click (pitch.getMidiToDinButton());
    EXPECT_EQ (stored (ControlType::controlsToMidiDin, "Pitch Wheel Midi To DIN"), 1);
    EXPECT_EQ (stored (ControlType::controlsToMidiDin, "Mod Wheel Midi To DIN"), 0);
}
