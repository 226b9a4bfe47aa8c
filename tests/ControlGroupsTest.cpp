#include "PresetTestSupport.h"

#include "model/ControlType.h"
#include "model/OrbControlsToMidiDin.h"
#include "model/OrbKeybed.h"
#include "model/OrbKnob.h"
#include "model/OrbPad.h"
#include "model/OrbPresetName.h"
#include "model/OrbRollMode.h"
#include "model/OrbSwitch.h"
#include "model/OrbTransport.h"
#include "model/OrbWheels.h"

#include <gtest/gtest.h>

namespace
{
// Stores the value and reports what the name reads back.
int store (Control& group, const char* name, int value)
{
    group.setParameterValue (name, (std::uint8_t) value, false);
    return group.getParameterValue (name);
}
} // namespace

TEST (ControlGroups, EngineIgnoresBadTypesAndIndexes)
{
    EngineFixture f;
    f.engine->setControlParameter (ControlType::pads, std::uint8_t (15), "Note", 99, false);
    EXPECT_EQ (f.engine->getControl (ControlType::pads, 15)->getParameterValue ("Note"), 99);
    EXPECT_EQ (f.engine->getParameterMaximum (ControlType::wheels, "Pitch Wheel MIDI Channel"), 16);

    // The transport calls reach transport buttons only; out of range or unknown, nothing happens.
    struct Counter : Control::Listener
    {
        int calls = 0;
        void parameterChanged (juce::String, int) override { ++calls; }
    } counter;

    const auto before = f.engine->buildDump (0);
    f.engine->setTransportParameter (ControlType::knobs, 0, "CC", 42, false);
    f.engine->addListenerToTransport (&counter, ControlType::knobs, 0);
    f.engine->addListenerToControl (&counter, ControlType::pads, std::uint8_t (16));
    f.engine->addListenerToControl (&counter, static_cast<ControlType> (42));
    f.engine->addListenerToTransport (&counter, ControlType::transport, 6);
    f.engine->setControlParameter (ControlType::switches, std::uint8_t (200), "CC", 1, true);
    f.engine->setControlParameter (static_cast<ControlType> (-3), "CC", 1, true);
    f.engine->setTransportParameter (ControlType::transport, 99, "CC", 1, true);
    EXPECT_EQ (f.engine->buildDump (0), before);
    EXPECT_EQ (f.engine->getControl (ControlType::knobs, 0)->getNumListeners(), 0);
    EXPECT_EQ (counter.calls, 0);
    EXPECT_EQ (f.engine->getParameterMaximum (static_cast<ControlType> (42), "CC"), 0);
    EXPECT_EQ (f.engine->getNumControls (static_cast<ControlType> (10)), 0);
    EXPECT_EQ (f.engine->getControl (ControlType::knobs, 8), nullptr);
    EXPECT_EQ (f.engine->getControl (ControlType::knobs, -1), nullptr);
}

TEST (ControlGroups, EachNameStoresUpToItsMaximumAndRefusesOneMore)
{
    OrbKeybed keybed (16, 24, 7);
    OrbPad pad (0);
    OrbSwitch sw (0);
    OrbKnob knob (55);
    OrbWheels wheels (46);
    OrbRollMode roll (30);
    OrbControlsToMidiDin din (295);

    // Each row's highest value is stored; one more is refused and leaves it in place.
    struct Row
    {
        Control& group;
        const char* name;
        int highest;
    };
    const Row rows[] = {
        { keybed, "Split Point", 24 },
        { keybed, "Keybed Curve", 8 },
        { keybed, "Keybed MIDI Channel", 15 },
        { keybed, "Lower Keybed Octave", 7 },
        { keybed, "Split Mode", 1 },
        { pad, "Curve", 7 },
        { pad, "Toggle Off", 127 },
        { pad, "Mode", 3 }, // "Toggle Off" is the curve's byte
        { pad, "MIDI Channel", 15 },
        { sw, "Mode", 3 },
        { knob, "Mode", 1 },
        { knob, "Aftertouch", 0 },                  // a mode's entry, not a name
        { wheels, "Pitch Wheel MIDI Channel", 16 }, // 16 is "Omni"
        { wheels, "Mod Wheel MIDI Channel", 16 },
        { roll, "Gate", 98 },
        { roll, "Swing", 24 },
        { din, "Knobs Midi To DIN", 1 },
    };

    for (const auto& row : rows)
    {
        EXPECT_EQ (store (row.group, row.name, row.highest), row.highest) << row.name;
        EXPECT_EQ (store (row.group, row.name, row.highest + 1), row.highest) << row.name;
    }
    EXPECT_EQ (knob.getValues(), (Control::ValueArray { 1, 0, 0, 0, 0 }));
    OrbPresetName name;
    EXPECT_EQ (store (name, "whatever", 5), 0);
    EXPECT_EQ (name.getMaximum ("whatever"), 127);

    // Keybed maxima: words decide, not membership, and the first matching rule wins.
    EXPECT_EQ (keybed.getMaximum ("Anything Transpose"), 24);
    EXPECT_EQ (keybed.getMaximum ("Octave Curve"), 7);
    EXPECT_EQ (keybed.getMaximum ("Curve MIDI Channel"), 8);
    EXPECT_EQ (keybed.getMaximum ("Volume"), 0);
    EXPECT_EQ (OrbKeybed (16, 36, 5).getMaximum ("Keybed Octave"), 5);
    EXPECT_EQ (wheels.getMaximum ("Mod Wheel CC"), 127);
    EXPECT_EQ (wheels.getMaximum ("Unknown"), 0);
    EXPECT_EQ (OrbTransport (34).getMaximum ("Function"), 1);
    EXPECT_EQ (din.getMaximum ("Knobs"), 0);
}

TEST (ControlGroups, PadAndSwitchNamesShareSlots)
{
    OrbPad pad (0);
    store (pad, "Toggle Off", 100);
    EXPECT_EQ (pad.getParameterValue ("Curve"), 100);
    EXPECT_EQ (pad.getParameterValue ("Bank MSB"), 100);
    store (pad, "Toggle On", 77);
    for (auto* name : { "Fixed", "Pressed", "Bank LSB" })
        EXPECT_EQ (pad.getParameterValue (name), 77) << name;
    store (pad, "Program", 9);
    EXPECT_EQ (pad.getParameterValue ("Note"), 9);
    store (pad, "Mode", 3);
    EXPECT_EQ (pad.getValues(), (Control::ValueArray { 3, 9, 77, 100, 0 }));
    EXPECT_EQ (pad.getParameterIndex ("Aftertouch"), -1);
    EXPECT_EQ (pad.getParameterIndex ("curve"), -1);

    OrbSwitch sw (0);
    store (sw, "Released", 5);
    EXPECT_EQ (sw.getParameterValue ("Bank MSB"), 5);
    EXPECT_EQ (sw.getParameterIndex ("Note"), -1);
}
