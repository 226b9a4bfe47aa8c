#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/TransportControllerComboBox.h"
#include "views/TransportControllerNumberBox.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include "SectionViewTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using NumberCtl = SingleParameterControllerNumberBox;
using PadBox = DoubleParamterControllerNumberBox;

// Records every notification a group sends.
struct GroupLog : Control::Listener
{
    void parameterChanged (juce::String name, int value) override { calls.push_back ({ name, value }); }
    std::vector<std::pair<juce::String, int>> calls;
};

using sectiontest::settle;
using sectiontest::shown;

// The entries the editor shows for a list parameter.
const juce::StringArray& entriesOf (ControlType type, const juce::String& name)
{
    return PresetPresentation::getParameter (type, name).entries;
}

struct ParameterController : sectiontest::SectionViewTest
{
    // What a commit in the box does: the box takes the value and notifies its controller.
    static void type (NumberBoxWithLabel& widget, int value) { widget.getNumberBox().setValue (value, true); }
};
} // namespace

TEST_F (ParameterController, MidiToDinButtonTogglesItsFlagAndItsTwin)
{
    auto& flags = group (ControlType::controlsToMidiDin);
    ControlToMidiControllerButton button (engine, "Knobs Midi To DIN");
    ControlToMidiControllerButton twin (engine, "Knobs Midi To DIN");
    EXPECT_EQ (button.getButton().getButtonText(), "OFF");
    EXPECT_EQ (button.getButton().getName(), "Knobs Midi To DIN");

    for (int expected : { 1, 0 })
    {
        button.getButton().triggerClick();
        settle();
        EXPECT_EQ (flags.getParameterValue ("Knobs Midi To DIN"), expected);
        EXPECT_EQ (button.getButton().getToggleState(), expected == 1);
        EXPECT_EQ (button.getButton().getButtonText(), expected == 1 ? "ON" : "OFF");
        EXPECT_EQ (twin.getButton().getButtonText(), expected == 1 ? "ON" : "OFF");
    }

    // A name the group does not know stores nothing, and the button stays "OFF".
    ControlToMidiControllerButton unknown (engine, "Nothing Midi To DIN");
    unknown.getButton().triggerClick();
    settle();
    EXPECT_EQ (unknown.getButton().getButtonText(), "OFF");
}

TEST_F (ParameterController, EditRefreshesSiblingsOnceWithoutEchoingTheEditor)
{
    const std::uint8_t pad = 0;
    PadBox note (engine, "Note", pad, ControlType::pads, 0, 127, 0);
    PadBox noteElsewhere (engine, "Note", pad, ControlType::pads, 0, 127, 0);
    PadBox cc (engine, "CC", pad, ControlType::pads, 0, 127, 0);
    PadBox program (engine, "Program", pad, ControlType::pads, 0, 127, 0);
    PadBox otherPad (engine, "CC", 1, ControlType::pads, 0, 127, 0);
    type (otherPad, 3);

    struct Counter : NumberBox::Listener
    {
        void numberBoxChanged (NumberBox*) override { ++calls; }
        int calls = 0;
    } editorNotifications;
    cc.getNumberBox().addListener (&editorNotifications);

    GroupLog log;
    group (ControlType::pads, pad).addListener (&log);

    type (cc, 77);
    EXPECT_EQ (group (ControlType::pads, pad).getParameterValue ("Note"), 77);
    EXPECT_EQ (shown (note), 77.0);
    EXPECT_EQ (shown (noteElsewhere), 77.0);
    EXPECT_EQ (shown (program), 77.0);
    EXPECT_EQ (shown (otherPad), 3.0);
    EXPECT_EQ (editorNotifications.calls, 1) << "the editing box is not echoed";
    EXPECT_EQ (log.calls.size(), 3u) << "one announcement per name of the slot";

    // Storing the byte the slot already holds announces nothing.
    type (note, 77);
    settle();
    EXPECT_EQ (log.calls.size(), 3u);
    group (ControlType::pads, pad).removeListener (&log);
}

TEST_F (ParameterController, ComboSiblingsSettle)
{
    GroupLog log;
    group (ControlType::switches, 4).addListener (&log);
    DoubleParameterControllerComboBox a (engine, "Mode", 4, ControlType::switches,
                                         entriesOf (ControlType::switches, "Mode"), nullptr);
    DoubleParameterControllerComboBox b (engine, "Mode", 4, ControlType::switches,
                                         entriesOf (ControlType::switches, "Mode"), nullptr);
    settle();
    log.calls.clear();

    a.getComboBox().setSelectedId (3, juce::sendNotificationAsync);
    settle();
    settle();
    EXPECT_EQ (group (ControlType::switches, 4).getParameterValue ("Mode"), 2);
    EXPECT_EQ (b.getComboBox().getSelectedId(), 3);
    EXPECT_EQ (log.calls.size(), 1u);
    group (ControlType::switches, 4).removeListener (&log);
}

// Knob modes stop at 1; a third entry is refused and the list returns to the stored one.
TEST_F (ParameterController, DoesNotShowAnEntryTheGroupRefused)
{
    DoubleParameterControllerComboBox knobMode (engine, "Mode", 3, ControlType::knobs, { "CC", "Aftertouch", "Other" },
                                                nullptr);
    knobMode.getComboBox().setSelectedId (3, juce::sendNotificationAsync);
    settle();
    EXPECT_EQ (group (ControlType::knobs, 3).getParameterValue ("Mode"), 0);
    EXPECT_EQ (knobMode.getComboBox().getSelectedId(), 1);
}

TEST_F (ParameterController, DestroyedControllersLeaveTheirGroups)
{
    // Listeners of the keybed, pad 6, transport button 4 and the flags.
    const auto listeners = [this] {
        return std::vector<int> { group (ControlType::keybed).getNumListeners(),
                                  group (ControlType::pads, 5).getNumListeners(),
                                  group (ControlType::transport, 3).getNumListeners(),
                                  group (ControlType::controlsToMidiDin).getNumListeners() };
    };
    const auto before = listeners();

    {
        NumberCtl octave (engine, "Keybed Octave", ControlType::keybed, 0, 7, 0);
        SingleParameterControllerComboBox split (engine, "Split Mode", ControlType::keybed,
                                                 entriesOf (ControlType::keybed, "Split Mode"), nullptr);
        PadBox note (engine, "Note", 5, ControlType::pads, 0, 127, 0);
        TransportControllerNumberBox cc (engine, "CC", 3, 0, 127);
        TransportControllerComboBox function (engine, "Function", 3, entriesOf (ControlType::transport, "Function"));
        TransportControllerNumberBox noSuchButton (engine, "CC", 6, 0, 127);
        ControlToMidiControllerButton flag (engine, "Pads Midi To DIN");
        EXPECT_EQ (listeners(), (std::vector<int> { before[0] + 2, before[1] + 1, before[2] + 2, before[3] + 1 }));
        split.setValue (0); // leaves an asynchronous notification pending
        type (noSuchButton, 5);
    }

    EXPECT_EQ (listeners(), before);

    juce::Random random (3);
    engine->applyDump (randomDump (random));
    settle();
}
