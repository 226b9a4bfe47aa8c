#include "midi/OrbMiniSimulator.h"
#include "midi/VirtualMidiPorts.h"
#include "model/ControlType.h"
#include "resources/EmbeddedResources.h"
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
#include "widgets/SingleParameterController.h"

#include "MidiTestSupport.h"
#include "SectionViewTestSupport.h"

#include <gtest/gtest.h>

using namespace sectiontest;

namespace
{
const juce::String device = "OrbMini";

NumberBoxWithLabel& box (GenericControlView& view, int group, int row)
{
    return *dynamic_cast<NumberBoxWithLabel*> (view.getControlGroup (group)->getWidgets()[row]);
}

// One editor window's content over its own engine.
struct Editor
{
    Editor (MidiManager& midi, std::uint8_t& modelByte)
        : engine (new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24, { 0, 0, 200 })),
          component (new TabSelectorButtons(), new OrbMiniProductProductImageViewSelector(), engine, 8, 16, 24)
    {
    }

    template <typename View>
    View& section (int index)
    {
        auto* view = dynamic_cast<View*> (component.getView (index));
        EXPECT_NE (view, nullptr) << "view " << index;
        return *view;
    }

    void select (int index)
    {
        component.getTabSelector()->getViewButton (index)->triggerClick();
        settle (10);
    }

    // Every widget-holding component of the nine sections, whichever bank is shown.
    juce::Array<juce::Component*> roots()
    {
        juce::Array<juce::Component*> all;
        const auto addBank = [&all] (BankView& bank, juce::Component& section)
        {
            for (int i = 0; i < bank.getNumItems(); ++i)
                all.add (bank.getItem (i));
            for (auto* child : section.getChildren())
                if (dynamic_cast<UIParameterInterface*> (child) != nullptr)
                    all.add (child);
        };
        addBank (section<KnobBank> (1).getBankView(), section<KnobBank> (1));
        addBank (section<SwitchBank> (2).getBankView(), section<SwitchBank> (2));
        addBank (section<PadBank> (3).getBankView(), section<PadBank> (3));
        addBank (section<RollModeBank> (4).getBankView(), section<RollModeBank> (4));
        addBank (section<TransportBank> (5).getBankView(), section<TransportBank> (5));
        all.add (&section<KeybedControlView> (6));
        addBank (section<WheelBank> (7).getBankView(), section<WheelBank> (7));
        addBank (section<SustainBank> (8).getBankView(), section<SustainBank> (8));
        return all;
    }

    // What every widget shows, keyed by what it is bound to, plus which mode group and which keybed
    // panels are shown. Each widget is also checked against the value its group holds.
    juce::StringArray shownValues()
    {
        juce::StringArray shown;
        std::function<void (juce::Component&)> visit = [&] (juce::Component& c)
        {
            if (auto* generic = dynamic_cast<GenericControlView*> (&c))
                for (int g = 0; g < generic->getNumControlGroups(); ++g)
                    if (generic->getControlGroup (g)->isVisible())
                        shown.add (generic->getTitleLabel().getText() + " shows group " + juce::String (g));

            if (auto* panel = dynamic_cast<KeybedParameterView*> (&c))
                shown.add (panel->getTitle().getText() + (panel->isVisible() ? " shown" : " hidden"));

            if (auto* widget = dynamic_cast<UIParameterInterface*> (&c))
                shown.add (describe (*widget));

            for (auto* child : c.getChildren())
                visit (*child);
        };

        for (auto* root : roots())
            visit (*root);

        shown.sort (false);
        return shown;
    }

    juce::String describe (UIParameterInterface& widget)
    {
        juce::String binding;
        int stored = 0, offset = 0;

        if (auto* single = dynamic_cast<SingleParameterController*> (&widget))
        {
            binding = juce::String (single->controlType) + "/" + single->parameterName;
            stored = engine->getControl (single->controlType)->getParameterValue (single->parameterName);
            offset = single->displayOffset;
        }
        else if (auto* dbl = dynamic_cast<DoubleParameterController*> (&widget))
        {
            binding = juce::String (dbl->controlType) + "." + juce::String (dbl->instanceIndex) + "/" + dbl->parameterName;
            stored = engine->getControl (dbl->controlType, dbl->instanceIndex)->getParameterValue (dbl->parameterName);
            offset = dbl->displayOffset;
        }
        else if (auto* transport = dynamic_cast<TransportController*> (&widget))
        {
            binding = "2." + juce::String (transport->buttonIndex) + "/" + transport->parameterName;
            stored = transport->getControl()->getParameterValue (transport->parameterName);
        }
        else
        {
            ADD_FAILURE() << "unbound widget";
        }

        juce::String value;
        if (auto* number = dynamic_cast<NumberBoxWithLabel*> (&widget))
        {
            value = juce::String (number->getNumberBox().getValue());
            EXPECT_EQ (number->getNumberBox().getValue(), stored + offset) << binding;
        }
        else if (auto* list = dynamic_cast<ComboBoxWithLabel*> (&widget))
        {
            value = list->getComboBox().getText();
            EXPECT_EQ (list->getComboBox().getSelectedId(), stored + 1) << binding;
        }
        else if (auto* flag = dynamic_cast<ControlToMidiTextButton*> (&widget))
        {
            value = flag->getButton().getButtonText();
            EXPECT_EQ (value, stored != 0 ? "ON" : "OFF") << binding;
        }

        return binding + " = " + value;
    }

    OrbEditorEngine::Ptr engine;
    EditorComponent component;
};

struct SectionRoundTrip : ::testing::Test
{
    void SetUp() override
    {
        midi.setInput (device);
        midi.setOutput (device);
    }

    void TearDown() override
    {
        simulator.waitUntilIdle (2000);
        settle (10);
    }

    // The built-in default preset with some values of every section changed, as a device holds it.
    OrbMiniSimulator::Payload devicePreset()
    {
        Editor source (midi, modelByte);
        const auto* preset = EmbeddedResources::find ("DefaultPreset.syx");
        EXPECT_NE (preset, nullptr);
        EXPECT_TRUE (source.engine->loadPresetData (OrbEditorEngine::ByteArray (preset->data, (int) preset->size)));

        auto set = [&] (int type, int index, const char* name, int value)
        { source.engine->getControl (type, index)->setParameterValue (name, (std::uint8_t) value, false); };
        set (knobType, 1, "Mode", 1);
        set (knobType, 6, "CC", 71);
        set (switchType, 2, "Mode", 2);
        set (padType, 9, "Mode", 3);
        set (padType, 9, "Program", 17);
        set (rollModeType, 0, "Time Div", 3);
        set (transportType, 2, "CC", 90);
        set (keybedType, 0, "Split Mode", 0);
        set (keybedType, 0, "Lower Keybed Transpose", 7);
        set (wheelsType, 0, "Mod Wheel MIDI Channel", 16);
        set (sustainType, 0, "MIDI Channel", 4);
        set (controlsToMidiDinType, 0, "Pads Midi To DIN", 1);

        const auto dump = source.engine->buildDump (0);
        return { dump.begin() + 10, dump.end() - 1 };
    }

    // Edits every section through its widgets, as a user does.
    static void editEverySection (Editor& editor)
    {
        editor.select (1);
        auto& knobs = editor.section<KnobBank> (1);
        pageForward (knobs.getBankView());
        auto& knob5 = knobs.getControlView (4);
        choose (*knob5.getModeSelector(), "Aftertouch");
        enter (box (knob5, 1, 0), "3");
        enter (box (knob5, 1, 1), "10");
        enter (box (knob5, 1, 2), "100");
        enter (box (knobs.getControlView (5), 0, 1), "42");
        click (knobs.getMidiToDinButton());

        editor.select (2);
        auto& switches = editor.section<SwitchBank> (2);
        pageForward (switches.getBankView());
        auto& switch5 = switches.getControlView (4);
        choose (*switch5.getModeSelector(), "Program Change");
        enter (box (switch5, 2, 3), "33");
        enter (box (switch5, 2, 2), "2");
        for (int i = 0; i < 4; ++i)
            pageForward (switches.getBankView());
        auto& switch24 = switches.getControlView (23);
        choose (*switch24.getModeSelector(), "CC Momentary");
        enter (box (switch24, 1, 2), "99");
        click (switches.getMidiToDinButton());

        editor.select (3);
        auto& pads = editor.section<PadBank> (3);
        choose (*pads.getControlView (0).getModeSelector(), "CC Toggle");
        enter (box (pads.getControlView (0), 1, 1), "45");
        enter (box (pads.getControlView (0), 1, 0), "12");
        for (int i = 0; i < 3; ++i)
            pageForward (pads.getBankView());
        enter (box (pads.getControlView (15), 0, 3), "8");
        enter (box (pads.getControlView (15), 0, 1), "60");
        click (pads.getMidiToDinButton());

        editor.select (4);
        auto& roll = editor.section<RollModeBank> (4).getControlView();
        choose (roll.getFunction(), "Momentary");
        choose (roll.getTimeDivision(), "1/16T");
        enter (roll.getGate(), "40");
        enter (roll.getSwing(), "61");

        editor.select (5);
        auto& transport = editor.section<TransportBank> (5);
        choose (transport.getControlView (3).getFunctionSelector(), "Toggle");
        pageForward (transport.getBankView());
        enter (transport.getControlView (5).getCcBox(), "117");
        click (transport.getMidiToDinButton());

        editor.select (6);
        auto& keybed = editor.section<KeybedControlView> (6);
        choose (keybed.getSplitSelector().getSplitMode(), "Off");
        enter (*keybed.getZonePanel (0)->getController (3), "4");
        choose (keybed.getSplitSelector().getSplitMode(), "On");
        enter (keybed.getSplitSelector().getSplitPoint(), "13");
        enter (*keybed.getZonePanel (2)->getController (1), "-5");
        enter (*keybed.getZonePanel (1)->getController (2), "2");
        click (keybed.getZonePanel (2)->getMidiToDinButton());

        editor.select (7);
        auto& wheels = editor.section<WheelBank> (7);
        choose (wheels.getPitchWheelView().getChannelSelector(), "Omni");
        choose (wheels.getModWheelView().getChannelSelector(), "10");
        enter (wheels.getModWheelView().getCcBox(), "74");
        enter (wheels.getModWheelView().getMinimumBox(), "5");
        enter (wheels.getModWheelView().getMaximumBox(), "120");
        click (wheels.getPitchWheelView().getMidiToDinButton());

        editor.select (8);
        auto& sustain = editor.section<SustainBank> (8);
        enter (*sustain.getControlView().getWidget (0), "2");
        enter (*sustain.getControlView().getWidget (1), "64");
        enter (*sustain.getControlView().getWidget (2), "127");
        enter (*sustain.getControlView().getWidget (3), "0");
        click (sustain.getMidiToDinButton());
        settle();
    }

    std::uint8_t modelByte = 0x3E;
    VirtualMidiPorts ports;
    MidiManager midi { ports, 20 };
    OrbMiniSimulator simulator { ports, device };
};
} // namespace

TEST_F (SectionRoundTrip, GotEditedSavedLoadedAndSentBack)
{
    const auto original = devicePreset();
    simulator.setSlot (3, original);

    Editor first (midi, modelByte);
    first.engine->getPreset (3);
    ASSERT_TRUE (miditest::runUntil ([&] { return ! first.engine->isGetting(); }, 5000));
    settle();

    // The got preset is what the sections show.
    auto& knobs = first.section<KnobBank> (1);
    EXPECT_EQ (chosen (*knobs.getControlView (1).getModeSelector()), "Aftertouch");
    EXPECT_EQ (shown (box (knobs.getControlView (6), 0, 1)), 71.0);
    EXPECT_EQ (chosen (*first.section<PadBank> (3).getControlView (9).getModeSelector()), "Program Change");
    EXPECT_EQ (chosen (first.section<WheelBank> (7).getModWheelView().getChannelSelector()), "Omni");
    EXPECT_TRUE (first.section<KeybedControlView> (6).getZonePanel (1)->isVisible());
    EXPECT_EQ (shown (*first.section<KeybedControlView> (6).getZonePanel (1)->getController (1)), -5.0);
    EXPECT_EQ (buttonText (first.section<PadBank> (3).getMidiToDinButton()), "ON");
    const auto gotValues = first.shownValues();
    const auto upperFlag = first.engine->getControl (controlsToMidiDinType)->getParameterValue ("Upper Keybed Midi To DIN");

    editEverySection (first);

    auto stored = [&] (int type, int index, const char* name)
    { return (int) first.engine->getControl (type, index)->getParameterValue (name); };
    EXPECT_EQ (stored (knobType, 4, "Mode"), 1);
    EXPECT_EQ (stored (knobType, 4, "Max"), 100);
    EXPECT_EQ (stored (knobType, 5, "CC"), 42);
    EXPECT_EQ (stored (switchType, 4, "Program"), 33);
    EXPECT_EQ (stored (switchType, 23, "Pressed"), 99);
    EXPECT_EQ (stored (padType, 0, "CC"), 45);
    EXPECT_EQ (stored (padType, 15, "Curve"), 7);
    EXPECT_EQ (stored (rollModeType, 0, "Swing"), 11);
    EXPECT_EQ (stored (transportType, 3, "Function"), 1);
    EXPECT_EQ (stored (transportType, 5, "CC"), 117);
    EXPECT_EQ (stored (keybedType, 0, "Split Point"), 12);
    EXPECT_EQ (stored (keybedType, 0, "Upper Keybed Transpose"), 7);
    EXPECT_EQ (stored (wheelsType, 0, "Pitch Wheel MIDI Channel"), 16);
    EXPECT_EQ (stored (sustainType, 0, "Pressed"), 127);
    EXPECT_EQ (stored (controlsToMidiDinType, 0, "Upper Keybed Midi To DIN"), upperFlag == 0 ? 1 : 0);

    const auto editedValues = first.shownValues();
    EXPECT_NE (editedValues, gotValues);

    for (int view = 1; view < EditorComponent::numViews; ++view)
    {
        first.select (view);
        const auto image = first.component.createComponentSnapshot (first.component.getLocalBounds());
        auto file = juce::File (ORBMINI_TEST_OUTPUT_DIR).getChildFile ("sections").getChildFile ("editor-view-" + juce::String (view) + ".png");
        file.getParentDirectory().createDirectory();
        file.deleteFile();
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        juce::PNGImageFormat().writeImageToStream (image, out);
    }

    const auto presetFile = juce::File (ORBMINI_TEST_OUTPUT_DIR).getChildFile ("sections").getChildFile ("round-trip.orp");
    ASSERT_TRUE (first.engine->savePresetFile (presetFile));
    juce::MemoryBlock saved;
    ASSERT_TRUE (presetFile.loadFileAsData (saved));
    ASSERT_EQ (saved.getSize(), 316u);

    Editor second (midi, modelByte);
    settle();
    ASSERT_TRUE (second.engine->loadPresetFile (presetFile));
    settle();
    settle();
    EXPECT_EQ (second.shownValues(), editedValues);

    ASSERT_TRUE (second.engine->sendPreset (5));
    ASSERT_TRUE (miditest::runUntil ([&] { return simulator.getNumWrites() >= 305; }, 5000));
    simulator.waitUntilIdle (2000);
    const auto* bytes = static_cast<const std::uint8_t*> (saved.getData());
    EXPECT_EQ (simulator.getSlot (5), OrbMiniSimulator::Payload (bytes + 10, bytes + 315));
    EXPECT_EQ (simulator.getSlot (3), original);
}
