#include "model/PresetPresentation.h"
#include "views/TransportControllerComboBox.h"
#include "views/TransportControllerNumberBox.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include "SectionViewTestSupport.h"

namespace
{
using PadBox = DoubleParamterControllerNumberBox;

using namespace sectiontest;

// The entries the editor shows for a list parameter.
const juce::StringArray& entriesOf (ControlType type, const juce::String& name)
{
    return PresetPresentation::getParameter (type, name).entries;
}

// Counts the notifications of the groups and boxes it listens to.
struct ParameterController : SectionViewTest, Control::Listener, NumberBox::Listener
{
    void parameterChanged (juce::String, int) override { ++groupCalls; }
    void numberBoxChanged (NumberBox*) override { ++boxCalls; }
    int groupCalls = 0, boxCalls = 0;

    // What a commit in the box does: the box takes the value and notifies its controller.
    static void type (NumberBoxWithLabel& widget, int value) { widget.getNumberBox().setValue (value, true); }
};
} // namespace

// A click stores the flag and shows it on every button of that flag; an unknown name stores nothing.
TEST_F (ParameterController, MidiToDinButtonTogglesItsFlagAndItsTwin)
{
    ControlToMidiControllerButton button (engine, "Knobs Midi To DIN"), twin (engine, "Knobs Midi To DIN"),
        unknown (engine, "Nothing Midi To DIN");
    const auto state = [&] {
        return juce::String (stored (ControlType::controlsToMidiDin, "Knobs Midi To DIN")) + " "
               + button.getButton().getButtonText() + " " + twin.getButton().getButtonText();
    };
    EXPECT_EQ (state(), "0 OFF OFF");
    for (auto* expected : { "1 ON ON", "0 OFF OFF" })
    {
        button.getButton().triggerClick();
        settle();
        EXPECT_EQ (state(), expected);
    }
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

    cc.getNumberBox().addListener (this);
    group (ControlType::pads, pad).addListener (this);

    type (cc, 77);
    type (note, 77); // the byte the slot already holds: announces nothing
    settle();
    EXPECT_EQ ((std::vector<double> { shown (note), shown (noteElsewhere), shown (program), shown (otherPad) }),
               (std::vector<double> { 77, 77, 77, 3 }));
    EXPECT_EQ (boxCalls, 1) << "the editing box is not echoed";
    EXPECT_EQ (groupCalls, 3) << "one announcement per name of the slot";
    group (ControlType::pads, pad).removeListener (this);
}

// A choice reaches the sibling list with one announcement; knob modes stop at 1, so a third entry
// is refused and the list returns to the stored one.
TEST_F (ParameterController, ComboSiblingsSettleAndARefusedEntryIsNotShown)
{
    group (ControlType::switches, 4).addListener (this);
    DoubleParameterControllerComboBox a (engine, "Mode", 4, ControlType::switches,
                                         entriesOf (ControlType::switches, "Mode"), nullptr);
    DoubleParameterControllerComboBox b (engine, "Mode", 4, ControlType::switches,
                                         entriesOf (ControlType::switches, "Mode"), nullptr);
    DoubleParameterControllerComboBox knobMode (engine, "Mode", 3, ControlType::knobs, { "CC", "Aftertouch", "Other" },
                                                nullptr);
    settle();
    groupCalls = 0;

    a.getComboBox().setSelectedId (3, juce::sendNotificationAsync);
    knobMode.getComboBox().setSelectedId (3, juce::sendNotificationAsync);
    settle();
    settle();
    EXPECT_EQ (stored (ControlType::switches, 4, "Mode"), 2);
    EXPECT_EQ (b.getComboBox().getSelectedId(), 3);
    EXPECT_EQ (groupCalls, 1);
    EXPECT_EQ (stored (ControlType::knobs, 3, "Mode"), 0);
    EXPECT_EQ (knobMode.getComboBox().getSelectedId(), 1);
    group (ControlType::switches, 4).removeListener (this);
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

    {
        SingleParameterControllerNumberBox octave (engine, "Keybed Octave", ControlType::keybed, 0, 7, 0);
        SingleParameterControllerComboBox split (engine, "Split Mode", ControlType::keybed,
                                                 entriesOf (ControlType::keybed, "Split Mode"), nullptr);
        PadBox note (engine, "Note", 5, ControlType::pads, 0, 127, 0);
        TransportControllerNumberBox cc (engine, "CC", 3, 0, 127);
        TransportControllerComboBox function (engine, "Function", 3, entriesOf (ControlType::transport, "Function"));
        TransportControllerNumberBox noSuchButton (engine, "CC", 6, 0, 127);
        ControlToMidiControllerButton flag (engine, "Pads Midi To DIN");
        EXPECT_EQ (listeners(), (std::vector<int> { 2, 1, 2, 1 }));
        split.setValue (0); // leaves an asynchronous notification pending
        type (noSuchButton, 5);
    }

    EXPECT_EQ (listeners(), (std::vector<int> { 0, 0, 0, 0 }));

    juce::Random random (3);
    engine->applyDump (randomDump (random));
    settle();
}
