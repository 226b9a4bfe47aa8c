#include "model/ControlType.h"
#include "views/KnobBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
struct KnobViews : SectionViewTest
{
    KnobBank bank { 8, engine };
};
} // namespace

TEST_F (KnobViews, FifthKnobAfterPagingEditsInstanceFour)
{
    settle();
    auto& pages = bank.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 2);
    EXPECT_EQ (bank.getMidiToDinButton().getPosition(), juce::Point<int> (140, 0));
    render (bank, "knobs.png");

    pageForward (pages);
    const auto items = shownItems (pages);
    ASSERT_EQ (items.size(), 4);
    auto& fifth = *dynamic_cast<KnobControlView*> (items[0]);
    EXPECT_EQ (fifth.getTitleLabel().getText(), "Knob 5");
    EXPECT_EQ (fifth.getKnobIndex(), 4);
    EXPECT_EQ (fifth.getBounds(), juce::Rectangle<int> (40, 0, 300, 200));
    EXPECT_EQ (dynamic_cast<KnobControlView*> (items[3])->getTitleLabel().getText(), "Knob 8");

    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "CC", "Min", "Max" }));
    enter (groupBox (fifth, 0, 1), "21");
    enter (groupBox (fifth, 0, 0), "16");
    EXPECT_EQ (stored (knobType, 4, "CC"), 21);
    EXPECT_EQ (stored (knobType, 4, "MIDI Channel"), 15);
    for (int k : { 3, 5 })
        EXPECT_EQ (stored (knobType, k, "CC"), 0) << k;
    render (bank, "knobs-page2.png");

    pageForward (pages);   // no wrap-around
    EXPECT_EQ (pages.getCurrentBank(), 1);
}

TEST_F (KnobViews, AftertouchModeShowsThreeBoxes)
{
    auto& third = bank.getControlView (2);
    settle();
    EXPECT_EQ (entries (*third.getModeSelector()), juce::StringArray ({ "CC", "Aftertouch" }));
    EXPECT_EQ (third.getModeSelector()->getBounds(), juce::Rectangle<int> (0, 28, 200, 18));

    loadWith (knobType, 2, "Mode", 1);
    EXPECT_EQ (chosen (*third.getModeSelector()), "Aftertouch");
    EXPECT_EQ (shownGroup (third), juce::StringArray ({ "MIDI Channel", "Min", "Max" }));
    EXPECT_EQ (shownGroup (bank.getControlView (1)), juce::StringArray ({ "MIDI Channel", "CC", "Min", "Max" }));

    enter (groupBox (third, 1, 2), "90");
    EXPECT_EQ (stored (knobType, 2, "Max"), 90);
    EXPECT_EQ (shown (groupBox (third, 0, 3)), 90.0) << "the CC group's Max box follows the edit";

    choose (*third.getModeSelector(), "CC");
    EXPECT_EQ (stored (knobType, 2, "Mode"), 0);
    EXPECT_EQ (shownGroup (third).size(), 4);

    click (bank.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Knobs Midi To DIN"), 1);
    click (bank.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Knobs Midi To DIN"), 0);
}
