#include "model/ControlType.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TransportBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
struct SwitchViews : SectionViewTest
{
    SwitchBank bank { 24, engine };
};

struct SustainAndTransport : SectionViewTest
{
    SustainBank sustain { engine };
    TransportBank transport { engine };
};
} // namespace

TEST_F (SwitchViews, TwentyFourSwitchesInSixBanksOfFour)
{
    auto& pages = bank.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 6);
    EXPECT_EQ (bank.getMidiToDinButton().getPosition(), juce::Point<int> (272, 0));
    render (bank, "switches.png");

    for (int page = 0; page < 6; ++page)
    {
        const auto items = shownItems (pages);
        ASSERT_EQ (items.size(), 4);
        auto* last = dynamic_cast<SwitchControlView*> (items[3]);
        EXPECT_EQ (last->getTitleLabel().getText(), "Switch " + juce::String (page * 4 + 4));
        EXPECT_EQ (last->getSwitchIndex(), page * 4 + 3);
        pageForward (pages);
    }
    EXPECT_EQ (pages.getCurrentBank(), 5);
}

TEST_F (SwitchViews, ProgramChangeOnSwitchFiveShowsItsFourBoxes)
{
    pageForward (bank.getBankView());
    auto& fifth = *dynamic_cast<SwitchControlView*> (shownItems (bank.getBankView())[0]);
    EXPECT_EQ (fifth.getTitleLabel().getText(), "Switch 5");

    auto& mode = *fifth.getModeSelector();
    EXPECT_EQ (entries (mode), juce::StringArray ({ "CC Toggle", "CC Momentary", "Program Change" }));
    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "CC", "Toggle On", "Toggle Off" }));

    choose (mode, "Program Change");
    EXPECT_EQ (stored (switchType, 4, "Mode"), 2);
    EXPECT_EQ (stored (switchType, 5, "Mode"), 0);
    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "Bank LSB", "Bank MSB", "Program" }));

    enter (groupBox (fifth, 2, 3), "33");
    enter (groupBox (fifth, 2, 0), "16");
    EXPECT_EQ (stored (switchType, 4, "Program"), 33);
    EXPECT_EQ (stored (switchType, 4, "MIDI Channel"), 15);

    // "CC" shares its byte with "Program", and every group has its own channel box: all follow.
    choose (mode, "CC Momentary");
    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "CC", "Pressed", "Released" }));
    EXPECT_EQ (shown (groupBox (fifth, 1, 1)), 33.0);
    EXPECT_EQ (shown (groupBox (fifth, 1, 0)), 16.0);
    render (bank, "switches-page2.png");
}

TEST_F (SwitchViews, StoredModeWithoutEntryShowsNoGroup)
{
    auto& first = bank.getControlView (0);
    loadWith (switchType, 0, "Mode", 3);
    EXPECT_EQ (chosen (*first.getModeSelector()), "");
    EXPECT_TRUE (shownGroup (first).isEmpty());
    EXPECT_EQ (stored (switchType, 0, "Mode"), 3);
}

TEST_F (SustainAndTransport, SustainPanel)
{
    auto& view = sustain.getControlView();
    EXPECT_EQ (view.getTitle().getText(), "Sustain Pedal");
    EXPECT_EQ (sustain.getMidiToDinButton().getPosition(), juce::Point<int> (1065, 0));
    EXPECT_EQ (view.getWidget (3)->getBounds(), juce::Rectangle<int> (0, 111, 200, 22));

    loadWith (sustainType, 0, "MIDI Channel", 0);
    EXPECT_EQ (shown (*view.getWidget (0)), 1.0);
    enter (*view.getWidget (0), "16");
    enter (*view.getWidget (1), "64");
    enter (*view.getWidget (2), "127");
    EXPECT_EQ (stored (sustainType, "MIDI Channel"), 15);
    EXPECT_EQ (stored (sustainType, "CC"), 64);
    EXPECT_EQ (stored (sustainType, "Pressed"), 127);
    EXPECT_EQ (view.getWidget (3)->getLabel().getText(), "Released");

    click (sustain.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Sustain Midi To DIN"), 1);
    render (sustain, "sustain.png");
}

TEST_F (SustainAndTransport, TransportButtonsEditTheirOwnInstance)
{
    auto& pages = transport.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 2);
    EXPECT_EQ (transport.getMidiToDinButton().getPosition(), juce::Point<int> (670, 0));
    EXPECT_EQ (entries (transport.getControlView (0).getFunctionSelector()), juce::StringArray ({ "Momentary", "Toggle" }));
    render (transport, "transport.png");

    auto& play = transport.getControlView (3);
    EXPECT_EQ (play.getTitle().getText(), "Play");
    choose (play.getFunctionSelector(), "Toggle");
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ (stored (transportType, k, "Function"), k == 3 ? 1 : 0) << k;

    pageForward (pages);
    const auto second = shownItems (pages);
    ASSERT_EQ (second.size(), 2);
    auto& record = *dynamic_cast<TransportControlView*> (second[1]);
    EXPECT_EQ (record.getTitle().getText(), "Record");
    enter (record.getCcBox(), "117");
    EXPECT_EQ (stored (transportType, 5, "CC"), 117);
    EXPECT_EQ (stored (transportType, 4, "CC"), stored (transportType, 0, "CC"));

    // Refused values snap back; preset loads reach every button's widgets.
    enter (record.getCcBox(), "128");
    EXPECT_EQ (shown (record.getCcBox()), 117.0);
    loadWith (transportType, 5, "Function", 1);
    loadWith (transportType, 1, "CC", 9);
    EXPECT_EQ (chosen (record.getFunctionSelector()), "Toggle");
    EXPECT_EQ (shown (transport.getControlView (1).getCcBox()), 9.0);

    click (transport.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Transport Midi To DIN"), 1);
}

TEST_F (SustainAndTransport, TransportControllersLeaveTheirButtonWhenDestroyed)
{
    auto& play = group (transportType, 3);
    const auto before = play.getNumListeners();
    {
        TransportControllerNumberBox cc (engine, "CC", 3, 0, 127);
        TransportControllerComboBox function (engine, "Function", 3, { "Momentary", "Toggle" });
        TransportControllerNumberBox noSuchButton (engine, "CC", 6, 0, 127);
        EXPECT_EQ (play.getNumListeners(), before + 2);
        enter (noSuchButton, "5");
    }
    EXPECT_EQ (play.getNumListeners(), before);
    loadWith (transportType, 3, "CC", 1);
}
