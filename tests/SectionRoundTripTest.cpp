#include "simulator/OrbMiniSimulator.h"
#include "views/EditorComponent.h"
#include "views/KeybedControlView.h"
#include "views/KnobBank.h"
#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/PadBank.h"
#include "views/RollModeBank.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TabSelectorButtons.h"
#include "views/TransportBank.h"
#include "views/WheelBank.h"
#include "widgets/DoubleParameterController.h"

#include "MidiTestSupport.h"
#include "SectionViewTestSupport.h"

using namespace sectiontest;

namespace
{
// One editor window's content over its own engine.
struct Editor
{
    explicit Editor (MidiManager& midi)
        : engine (OrbEditorEngine::createForOrbMini (midi, { 0, 0, 2000 })),
          component (new TabSelectorButtons(), new OrbMiniProductProductImageViewSelector(), engine, 8, 16, 24)
    {}

    template <typename View>
    View& section (int index)
    {
        return *dynamic_cast<View*> (component.getView (index));
    }

    void select (int index)
    {
        component.getTabSelector()->getViewButton (index)->triggerClick();
        settle (10);
    }

    // Every widget of the sections (every item of a bank, whichever page is shown), described as
    // "binding = shown value", with the mode group and keybed panels shown; each widget must show
    // what its group holds.
    juce::StringArray shownValues()
    {
        juce::StringArray result;
        std::function<void (juce::Component&)> visit = [&] (juce::Component& c) {
            if (auto* generic = dynamic_cast<GenericControlView*> (&c))
                result.add (generic->getTitleLabel().getText() + " shows "
                            + shownGroup (*generic).joinIntoString (","));
            if (auto* panel = dynamic_cast<KeybedParameterView*> (&c))
                result.add (panel->getTitle().getText() + (panel->isVisible() ? " shown" : " hidden"));
            if (auto* widget = dynamic_cast<UIParameterInterface*> (&c))
                result.add (describe (*widget));
            if (auto* bank = dynamic_cast<BankView*> (&c))
                for (int i = 0; i < bank->getNumItems(); ++i)
                    visit (*bank->getItem (i));
            for (auto* child : c.getChildren())
                if (dynamic_cast<BankView::Bank*> (child) == nullptr) // a bank's items are visited above
                    visit (*child);
        };

        for (int view = 1; view < EditorComponent::numViews; ++view)
            visit (*component.getView (view));
        result.sort (false);
        return result;
    }

    juce::String describe (UIParameterInterface& widget)
    {
        juce::String binding;
        int expected = 0;
        if (auto* bound = dynamic_cast<ParameterBinding*> (&widget))
        {
            binding = juce::String ((int) bound->controlType);
            if (auto* pair = dynamic_cast<DoubleParameterController*> (&widget))
                binding << "." << (int) pair->instanceIndex;
            if (auto* transport = dynamic_cast<TransportController*> (&widget))
                binding << "." << transport->buttonIndex;
            binding << "/" << bound->parameterName;
            expected = bound->getControl()->getParameterValue (bound->parameterName) + bound->displayOffset;
        }

        int value = -1;
        if (auto* number = dynamic_cast<NumberBoxWithLabel*> (&widget))
            value = (int) shown (*number);
        else if (auto* list = dynamic_cast<ComboBoxWithLabel*> (&widget))
            value = list->getComboBox().getSelectedId() - 1;
        else if (auto* flag = dynamic_cast<ControlToMidiTextButton*> (&widget))
            value = flag->getButton().getButtonText() == "ON" ? 1 : 0;

        EXPECT_EQ (value, expected) << binding;
        return binding + " = " + juce::String (value);
    }

    OrbEditorEngine::Ptr engine;
    EditorComponent component;
};

struct SectionRoundTrip : ::testing::Test, miditest::SimulatedDevice
{
    // The built-in default preset with a few values changed, as the device holds it.
    OrbMiniSimulator::Payload devicePreset()
    {
        Editor source (manager);
        EXPECT_TRUE (source.engine->loadPresetData (embeddedDefault()));

        const auto set = [&] (ControlType type, int index, const char* name, int value) {
            source.engine->getControl (type, index)->setParameterValue (name, (std::uint8_t) value, false);
        };
        set (ControlType::knobs, 1, "Mode", 1);
        set (ControlType::pads, 9, "Mode", 3);
        set (ControlType::keybed, 0, "Split Mode", 0);
        set (ControlType::wheels, 0, "Mod Wheel MIDI Channel", 16);

        const auto dump = source.engine->buildDump (0);
        return { dump.begin() + 10, dump.end() - 1 };
    }

    // Edits every section through its widgets, as a user does.
    static void editEverySection (Editor& editor)
    {
        editor.select (1);
        auto& knobs = editor.section<KnobBank> (1);
        choose (*knobs.getControlView (4).getModeSelector(), "Aftertouch");
        enter (groupBox (knobs.getControlView (4), 1, 2), "100");
        click (knobs.getMidiToDinButton());

        editor.select (2);
        auto& switches = editor.section<SwitchBank> (2);
        choose (*switches.getControlView (4).getModeSelector(), "Program Change");
        enter (groupBox (switches.getControlView (4), 2, 3), "33");

        editor.select (3);
        auto& pads = editor.section<PadBank> (3);
        choose (*pads.getControlView (0).getModeSelector(), "CC Toggle");
        enter (groupBox (pads.getControlView (0), 1, 1), "45");
        click (pads.getMidiToDinButton());

        editor.select (4);
        choose (editor.section<RollModeBank> (4).getControlView().getTimeDivision(), "1/16T");

        editor.select (5);
        choose (editor.section<TransportBank> (5).getControlView (3).getFunctionSelector(), "Toggle");

        editor.select (6);
        auto& keybed = editor.section<KeybedControlView> (6);
        choose (keybed.getSplitSelector().getSplitMode(), "Off");
        enter (*keybed.getZonePanel (0)->getController (1), "-5");

        editor.select (7);
        choose (editor.section<WheelBank> (7).getPitchWheelView().getChannelSelector(), "Omni");

        editor.select (8);
        enter (*editor.section<SustainBank> (8).getControlView().getWidget (1), "64");
        click (editor.section<SustainBank> (8).getMidiToDinButton());
    }
};
} // namespace

TEST_F (SectionRoundTrip, GotEditedSavedLoadedAndSentBack)
{
    simulator.setSlot (3, devicePreset());

    Editor first (manager);
    first.engine->getPreset (3);
    ASSERT_TRUE (miditest::runUntil ([&] { return ! first.engine->isGetting(); }, 20000));
    settle();
    const auto gotValues = first.shownValues();
    for (auto* got : { "Knob 2 shows MIDI Channel,Min,Max", "Pad 10 shows MIDI Channel,Bank LSB,Bank MSB,Program",
                       "Lower Keybed shown", "4/Mod Wheel MIDI Channel = 16" })
        EXPECT_TRUE (gotValues.contains (got)) << got;

    editEverySection (first);
    settle();
    const auto editedValues = first.shownValues();
    for (auto* edit : { "7.4/Max = 100", "6.4/Program = 33", "8.0/CC = 45", "3/Time Div = 5", "2.3/Function = 1",
                        "1/Keybed Transpose = -5", "Keybed shown", "4/Pitch Wheel MIDI Channel = 16", "5/CC = 64" })
        EXPECT_TRUE (editedValues.contains (edit)) << edit;

    const auto presetFile = testDirectory ("round-trip").getChildFile ("round-trip.orp");
    ASSERT_TRUE (first.engine->savePresetFile (presetFile));

    Editor second (manager);
    ASSERT_TRUE (second.engine->loadPresetFile (presetFile));
    settle();
    EXPECT_EQ (second.shownValues(), editedValues);

    // The loaded preset reaches the device as it was saved.
    ASSERT_TRUE (second.engine->sendPreset (5));
    ASSERT_TRUE (miditest::runUntil ([&] { return simulator.getNumWrites() >= 305; }, 20000));
    simulator.waitUntilIdle (2000);
    const auto saved = payloadOf (readBytes (presetFile));
    EXPECT_EQ (simulator.getSlot (5), OrbMiniSimulator::Payload (saved.begin(), saved.end()));
    EXPECT_NE (simulator.getSlot (5), simulator.getSlot (3));
}
