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
    juce::String panelsShown()
    {
        return juce::String (panel (0).isVisible() ? "1" : "0") + (panel (1).isVisible() ? "1" : "0")
               + (panel (2).isVisible() ? "1" : "0");
    }
};

juce::StringArray titles (const juce::Array<juce::Component*>& items)
{
    juce::StringArray result;
    for (auto* item : items)
        result.add (dynamic_cast<GenericControlView&> (*item).getTitleLabel().getText());
    return result;
}
} // namespace

// The last page shows the last instances, and paging stops there.
TEST_F (SectionViews, TheLastPageShowsTheLastInstances)
{
    settle();
    for (auto [pages, expected] :
         { std::pair<BankView*, const char*> { &knobs.getBankView(), "Knob 5,Knob 6,Knob 7,Knob 8" },
           { &switches.getBankView(), "Switch 21,Switch 22,Switch 23,Switch 24" },
           { &pads.getBankView(), "Pad 13,Pad 14,Pad 15,Pad 16" } })
    {
        for (int i = 0; i < 6; ++i)
            pageForward (*pages);
        EXPECT_EQ (titles (shownItems (*pages)).joinIntoString (","), expected);
    }
}

// The knobs' and pads' buttons are clicked by SectionRoundTrip.
TEST_F (SectionViews, EachMidiToDinButtonSetsItsOwnFlag)
{
    const std::pair<ControlToMidiTextButton*, const char*> rows[] = {
        { &pitch.getMidiToDinButton(), "Pitch Wheel Midi To DIN" },
        { &panel (0).getMidiToDinButton(), "Keybed Midi To DIN" },
        { &panel (1).getMidiToDinButton(), "Lower Keybed Midi To DIN" },
        { &panel (2).getMidiToDinButton(), "Upper Keybed Midi To DIN" },
    };
    for (int i = 0; i < 4; ++i)
    {
        click (*rows[i].first);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ (stored (ControlType::controlsToMidiDin, rows[j].second), j <= i ? 1 : 0) << rows[i].second;
    }
}

// Each entry of a mode list shows the boxes the presentation table gives that mode, and is stored
// for that instance alone.
TEST_F (SectionViews, EveryModeShowsItsOwnBoxes)
{
    settle();
    for (auto [view, type] :
         { std::pair<GenericControlView*, ControlType> { &knobs.getControlView (4), ControlType::knobs },
           { &pads.getControlView (4), ControlType::pads },
           { &switches.getControlView (4), ControlType::switches } })
    {
        const auto& modes = PresetPresentation::findSection (type)->modes;

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

TEST_F (SectionViews, SwitchModesShareTheirBytesAndAStoredByteWithoutAnEntryShowsNothingAndIsKept)
{
    auto& fifth = switches.getControlView (4);
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
    EXPECT_EQ (chosen (*first.getModeSelector()) + "|" + shownGroup (first).joinIntoString (",") + "|"
                   + juce::String (stored (ControlType::switches, 0, "Mode")),
               "||3");
    fifth.showControlGroup (7);
    EXPECT_TRUE (shownGroup (fifth).isEmpty());

    // So does a wheel's channel above Omni.
    loadWith (ControlType::wheels, 0, "Mod Wheel MIDI Channel", 17);
    EXPECT_EQ (mod.getChannelSelector().getComboBox().getSelectedId(), 0);
    EXPECT_EQ (stored (ControlType::wheels, "Mod Wheel MIDI Channel"), 17);
}

// Channels, curves, the gate and the split point show one more than they store, the swing 50 more
// and a transpose 12 less;
// each box writes its own instance and zone.
TEST_F (SectionViews, BoxesStoreWithTheirOffsets)
{
    using Row = std::tuple<NumberBoxWithLabel&, const char*, ControlType, int, const char*, int>;
    auto& pad = pads.getControlView (4);
    const Row rows[] = {
        { groupBox (pad, 0, 3), "8", ControlType::pads, 4, "Curve", 7 },
        { groupBox (pad, 3, 0), "1", ControlType::pads, 4, "MIDI Channel", 0 },
        { groupBox (pad, 3, 3), "127", ControlType::pads, 4, "Program", 127 },
        { roll.getGate(), "99", ControlType::rollMode, 0, "Gate", 98 },
        { roll.getSwing(), "74", ControlType::rollMode, 0, "Swing", 24 },
        { *sustain.getControlView().getWidget (0), "16", ControlType::sustain, 0, "MIDI Channel", 15 },
        { view.getSplitSelector().getSplitPoint(), "25", ControlType::keybed, 0, "Split Point", 24 },
        { box (0, 0), "16", ControlType::keybed, 0, "Keybed MIDI Channel", 15 },
        { box (1, 3), "8", ControlType::keybed, 0, "Lower Keybed Curve", 7 },
        { box (2, 1), "-12", ControlType::keybed, 0, "Upper Keybed Transpose", 0 },
        { box (2, 2), "7", ControlType::keybed, 0, "Upper Keybed Octave", 7 },
        { mod.getCcBox(), "74", ControlType::wheels, 0, "Mod Wheel CC", 74 },
        { mod.getMinimumBox(), "100", ControlType::wheels, 0, "Mod Wheel Min", 100 },
        { mod.getMaximumBox(), "20", ControlType::wheels, 0, "Mod Wheel Max", 20 }, // may lie below the minimum
    };
    for (const auto& [box, text, type, index, name, expected] : rows)
    {
        enter (box, text);
        EXPECT_EQ (stored (type, index, name), expected) << name;
    }
}

// The other lists and the first transport page are edited by SectionRoundTrip.
TEST_F (SectionViews, RollFunctionAndTheSixthTransportButtonStoreTheirOwnBytes)
{
    choose (roll.getFunction(), "Momentary");
    EXPECT_EQ (stored (ControlType::rollMode, "Function"), 1);
    pageForward (transport.getBankView());
    auto& record = *dynamic_cast<TransportControlView*> (shownItems (transport.getBankView())[1]);
    EXPECT_EQ (record.getTitle().getText(), "Record");
    enter (record.getCcBox(), "117");
    EXPECT_EQ (stored (ControlType::transport, 5, "CC"), 117);
}

TEST_F (SectionViews, KeybedSplitModeChoosesZonePanelsWithShortCaptions)
{
    auto& splitMode = view.getSplitSelector().getSplitMode();
    for (auto [entry, byte, panels] : { std::tuple { "On", 0, "011" }, { "Off", 1, "100" } })
    {
        choose (splitMode, entry);
        EXPECT_EQ (group (ControlType::keybed).getParameterValue ("Split Mode"), byte);
        EXPECT_EQ (panelsShown(), panels);
    }

    // Nothing selected counts as split.
    splitMode.getComboBox().setSelectedId (0);
    settle();
    EXPECT_EQ (panelsShown(), "011");

    // The zones' panels carry the same short captions.
    EXPECT_EQ (box (2, 0).getLabel().getText() + "," + box (2, 1).getLabel().getText() + ","
                   + box (2, 2).getLabel().getText() + "," + box (2, 3).getLabel().getText(),
               "MIDI Channel,Transpose,Octave,Curve");
}
