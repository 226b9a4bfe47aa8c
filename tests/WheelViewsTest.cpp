#include "model/ControlType.h"
#include "views/WheelBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
struct WheelViews : SectionViewTest
{
    WheelBank bank { engine };
    ModWheelView& mod = bank.getModWheelView();
    PitchWheelView& pitch = bank.getPitchWheelView();
};
} // namespace

TEST_F (WheelViews, ModulationWheelStandsLeftOfThePitchWheel)
{
    settle();
    EXPECT_EQ (bank.getBankView().getNumBanks(), 1);
    EXPECT_FALSE (bank.getBankView().getNextBankButton()->isVisible());

    ASSERT_EQ (shownItems (bank.getBankView()), (juce::Array<juce::Component*> { &mod, &pitch }));
    EXPECT_EQ (mod.getBounds(), juce::Rectangle<int> (40, 0, 300, 200));
    EXPECT_EQ (pitch.getBounds(), juce::Rectangle<int> (340, 0, 300, 200));

    EXPECT_EQ (pitch.getMidiToDinButton().getBounds(), juce::Rectangle<int> (100, 53, 100, 12));
    EXPECT_EQ (mod.getMidiToDinButton().getBounds(), juce::Rectangle<int> (100, 122, 100, 12));
    render (bank, "wheels.png");
}

TEST_F (WheelViews, ChannelListsEndWithOmni)
{
    settle();
    auto expected = juce::StringArray();
    for (int i = 1; i <= 16; ++i)
        expected.add (juce::String (i));
    expected.add ("Omni");
    EXPECT_EQ (entries (pitch.getChannelSelector()), expected);
    EXPECT_EQ (entries (mod.getChannelSelector()), expected);
    EXPECT_EQ (pitch.getChannelSelector().getLabel().getText(), "MIDI Channel");

    choose (pitch.getChannelSelector(), "Omni");
    EXPECT_EQ (stored (wheelsType, "Pitch Wheel MIDI Channel"), 16);
    choose (pitch.getChannelSelector(), "16");
    EXPECT_EQ (stored (wheelsType, "Pitch Wheel MIDI Channel"), 15);

    loadWith (wheelsType, 0, "Pitch Wheel MIDI Channel", 0);
    EXPECT_EQ (chosen (pitch.getChannelSelector()), "1");
    loadWith (wheelsType, 0, "Pitch Wheel MIDI Channel", 16);
    EXPECT_EQ (chosen (pitch.getChannelSelector()), "Omni");

    // A channel byte above Omni from a dump shows no entry, and the byte is left alone.
    loadWith (wheelsType, 0, "Mod Wheel MIDI Channel", 17);
    EXPECT_EQ (mod.getChannelSelector().getComboBox().getSelectedId(), 0);
    EXPECT_EQ (stored (wheelsType, "Mod Wheel MIDI Channel"), 17);
}

TEST_F (WheelViews, ShortCaptionsWriteTheWheelsOwnParameters)
{
    EXPECT_EQ (mod.getCcBox().getLabel().getText(), "CC");
    EXPECT_EQ (mod.getMinimumBox().getLabel().getText(), "Min");
    EXPECT_EQ (mod.getMaximumBox().getLabel().getText(), "Max");

    enter (mod.getCcBox(), "74");
    enter (mod.getMinimumBox(), "100");
    enter (mod.getMaximumBox(), "20");
    EXPECT_EQ (stored (wheelsType, "Mod Wheel CC"), 74);
    EXPECT_EQ (stored (wheelsType, "Mod Wheel Min"), 100);
    EXPECT_EQ (stored (wheelsType, "Mod Wheel Max"), 20) << "the minimum may lie above the maximum";

    click (pitch.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Pitch Wheel Midi To DIN"), 1);
    EXPECT_EQ (stored (controlsToMidiDinType, "Mod Wheel Midi To DIN"), 0);
    click (mod.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Mod Wheel Midi To DIN"), 1);

    loadWith (wheelsType, 0, "Mod Wheel Max", 99);
    EXPECT_EQ (shown (mod.getMaximumBox()), 99.0);
    EXPECT_EQ (shown (mod.getCcBox()), 74.0);
}
