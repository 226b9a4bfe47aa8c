#include "model/ControlType.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TransportBank.h"

#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
// Captions of the widgets of the group that is shown, or empty when none is.
juce::StringArray shownGroup (GenericControlView& view)
{
    juce::StringArray captions;
    int visibleGroups = 0;
    for (int i = 0; i < view.getNumControlGroups(); ++i)
        if (auto* g = view.getControlGroup (i); g->isVisible())
        {
            ++visibleGroups;
            for (auto* w : g->getWidgets())
                captions.add (dynamic_cast<NumberBoxWithLabel*> (w)->getLabel().getText());
        }
    EXPECT_LE (visibleGroups, 1);
    return captions;
}

NumberBoxWithLabel& shownBox (GenericControlView& view, const juce::String& caption)
{
    for (int i = 0; i < view.getNumControlGroups(); ++i)
        if (auto* g = view.getControlGroup (i); g->isVisible())
            for (auto* w : g->getWidgets())
                if (auto* box = dynamic_cast<NumberBoxWithLabel*> (w); box->getLabel().getText() == caption)
                    return *box;
    ADD_FAILURE() << "no visible box " << caption.toStdString();
    return *dynamic_cast<NumberBoxWithLabel*> (view.getControlGroup (0)->getWidgets()[0]);
}

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
    settle();
    auto& pages = bank.getBankView();
    EXPECT_EQ (bank.getWidth(), 1200);
    ASSERT_EQ (pages.getNumBanks(), 6);
    EXPECT_EQ (bank.getMidiToDinButton().getPosition(), juce::Point<int> (272, 0));

    for (int page = 0; page < 6; ++page)
    {
        const auto items = shownItems (pages);
        ASSERT_EQ (items.size(), 4);
        for (int i = 0; i < 4; ++i)
        {
            auto* view = dynamic_cast<SwitchControlView*> (items[i]);
            ASSERT_NE (view, nullptr);
            EXPECT_EQ (view->getTitleLabel().getText(), "Switch " + juce::String (page * 4 + i + 1));
            EXPECT_EQ (view->getSwitchIndex(), page * 4 + i);
            EXPECT_EQ (view->getX(), 40 + 300 * i);
        }
        if (page == 0)
            render (bank, "switches.png");
        pageForward (pages);
    }
    EXPECT_EQ (pages.getCurrentBank(), 5);
    pageBack (pages);
    EXPECT_EQ (pages.getCurrentBank(), 4);
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
    EXPECT_EQ (stored (switchType, 3, "Mode"), 0);
    EXPECT_EQ (stored (switchType, 5, "Mode"), 0);
    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "Bank LSB", "Bank MSB", "Program" }));

    enter (shownBox (fifth, "Program"), "33");
    enter (shownBox (fifth, "MIDI Channel"), "16");
    EXPECT_EQ (stored (switchType, 4, "Program"), 33);
    EXPECT_EQ (stored (switchType, 4, "MIDI Channel"), 15);

    choose (mode, "CC Momentary");
    EXPECT_EQ (stored (switchType, 4, "Mode"), 1);
    EXPECT_EQ (shownGroup (fifth), juce::StringArray ({ "MIDI Channel", "CC", "Pressed", "Released" }));
    // "CC" shares its byte with "Program": the edit above refreshed it.
    EXPECT_EQ (shown (shownBox (fifth, "CC")), 33.0);
    EXPECT_EQ (shown (shownBox (fifth, "MIDI Channel")), 16.0);
    render (bank, "switches-page2.png");
}

TEST_F (SwitchViews, StoredModeWithoutEntryShowsNoGroup)
{
    auto& first = bank.getControlView (0);
    loadWith (switchType, 0, "Mode", 2);
    EXPECT_EQ (chosen (*first.getModeSelector()), "Program Change");

    loadWith (switchType, 0, "Mode", 3);
    EXPECT_EQ (chosen (*first.getModeSelector()), "");
    EXPECT_TRUE (shownGroup (first).isEmpty());
    EXPECT_EQ (stored (switchType, 0, "Mode"), 3);
}

TEST_F (SustainAndTransport, SustainPanel)
{
    auto& view = sustain.getControlView();
    EXPECT_EQ (view.getTitle().getText(), "Sustain Pedal");
    EXPECT_EQ (view.getTitle().getBounds(), juce::Rectangle<int> (70, 0, 300, 20));
    EXPECT_EQ (sustain.getMidiToDinButton().getPosition(), juce::Point<int> (1065, 0));
    EXPECT_FALSE (sustain.getBankView().getNextBankButton()->isVisible());

    const char* captions[] = { "MIDI Channel", "CC", "Pressed", "Released" };
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (view.getWidget (i)->getLabel().getText(), captions[i]);
        EXPECT_EQ (view.getWidget (i)->getBounds(), juce::Rectangle<int> (0, 30 + 27 * i, 200, 22));
    }

    loadWith (sustainType, 0, "MIDI Channel", 0);
    EXPECT_EQ (shown (*view.getWidget (0)), 1.0);
    enter (*view.getWidget (0), "16");
    enter (*view.getWidget (1), "64");
    enter (*view.getWidget (2), "127");
    enter (*view.getWidget (3), "0");
    EXPECT_EQ (stored (sustainType, "MIDI Channel"), 15);
    EXPECT_EQ (stored (sustainType, "CC"), 64);
    EXPECT_EQ (stored (sustainType, "Pressed"), 127);
    EXPECT_EQ (stored (sustainType, "Released"), 0);

    click (sustain.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Sustain Midi To DIN"), 1);
    render (sustain, "sustain.png");
}

TEST_F (SustainAndTransport, TransportButtonsEditTheirOwnInstance)
{
    settle();
    auto& pages = transport.getBankView();
    ASSERT_EQ (pages.getNumBanks(), 2);
    EXPECT_EQ (transport.getMidiToDinButton().getPosition(), juce::Point<int> (670, 0));

    const char* names[] = { "Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record" };
    for (int k = 0; k < 6; ++k)
    {
        auto& view = transport.getControlView (k);
        EXPECT_EQ (view.getTitle().getText(), names[k]);
        EXPECT_EQ (entries (view.getFunctionSelector()), juce::StringArray ({ "Momentary", "Toggle" }));
        EXPECT_EQ (view.getFunctionSelector().getBounds(), juce::Rectangle<int> (0, 30, 200, 22));
        EXPECT_EQ (view.getCcBox().getBounds(), juce::Rectangle<int> (0, 57, 200, 22));
    }
    EXPECT_EQ (shownItems (pages).size(), 4);
    render (transport, "transport.png");

    choose (transport.getControlView (3).getFunctionSelector(), "Toggle");
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ (stored (transportType, k, "Function"), k == 3 ? 1 : 0) << names[k];

    pageForward (pages);
    const auto second = shownItems (pages);
    ASSERT_EQ (second.size(), 2);
    auto& record = *dynamic_cast<TransportControlView*> (second[1]);
    EXPECT_EQ (record.getTitle().getText(), "Record");
    enter (record.getCcBox(), "117");
    EXPECT_EQ (stored (transportType, 5, "CC"), 117);
    EXPECT_EQ (stored (transportType, 4, "CC"), stored (transportType, 0, "CC"));
    render (transport, "transport-page2.png");

    // Refused values snap back to what the button holds; preset loads reach every view.
    enter (record.getCcBox(), "128");
    EXPECT_EQ (shown (record.getCcBox()), 117.0);
    loadWith (transportType, 5, "Function", 1);
    loadWith (transportType, 1, "CC", 9);
    EXPECT_EQ (chosen (record.getFunctionSelector()), "Toggle");
    EXPECT_EQ (shown (transport.getControlView (1).getCcBox()), 9.0);

    click (transport.getMidiToDinButton());
    EXPECT_EQ (stored (controlsToMidiDinType, "Transport Midi To DIN"), 1);
}

TEST (TransportControllerBinding, ControllersLeaveTheirButtonWhenDestroyed)
{
    EngineFixture fixture;
    auto& play = *fixture.engine->getControl (transportType, 3);
    const auto before = play.getNumListeners();
    {
        TransportControllerNumberBox cc (fixture.engine, "CC", 3, 0, 127);
        TransportControllerComboBox function (fixture.engine, "Function", 3, { "Momentary", "Toggle" });
        TransportControllerNumberBox outOfRange (fixture.engine, "CC", 6, 0, 127);
        EXPECT_EQ (play.getNumListeners(), before + 2);
        outOfRange.getNumberBox().setValue (5, true);   // no button 7: stores nothing anywhere
    }
    EXPECT_EQ (play.getNumListeners(), before);
    settle();
}
