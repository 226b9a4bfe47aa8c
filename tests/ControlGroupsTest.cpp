#include "PresetTestSupport.h"

#include "model/ControlType.h"
#include "model/OrbKeybed.h"
#include "model/OrbPad.h"
#include "model/OrbSwitch.h"

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

// The engine's calls with a bad type, index or transport button change nothing and register no one.
TEST (ControlGroups, EngineIgnoresBadTypesAndIndexes)
{
    EngineFixture f;
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
    EXPECT_TRUE (f.engine->getControl (ControlType::knobs, 8) == nullptr
                 && f.engine->getControl (ControlType::knobs, -1) == nullptr);
}

// A value above a name's maximum is refused and leaves the stored one; the keybed's maxima follow
// the words of the name, the first matching rule winning.
TEST (ControlGroups, AValueAboveTheMaximumIsRefusedAndKeybedWordsDecideTheMaximum)
{
    OrbKeybed keybed (16, 24, 7);
    EXPECT_EQ (store (keybed, "Split Point", 24), 24);
    EXPECT_EQ (store (keybed, "Split Point", 25), 24);
    EXPECT_EQ ((std::vector<int> { keybed.getMaximum ("Anything Transpose"), keybed.getMaximum ("Octave Curve"),
                                   keybed.getMaximum ("Curve MIDI Channel"), keybed.getMaximum ("Volume"),
                                   OrbKeybed (16, 36, 5).getMaximum ("Keybed Octave") }),
               (std::vector<int> { 24, 7, 8, 0, 5 }));
}

TEST (ControlGroups, PadAndSwitchNamesShareSlots)
{
    OrbPad pad (0);
    store (pad, "Toggle Off", 100);
    store (pad, "Toggle On", 77);
    store (pad, "Program", 9);
    store (pad, "Mode", 3);
    EXPECT_EQ (pad.getValues(), (Control::ValueArray { 3, 9, 77, 100, 0 }));
    juce::StringArray read;
    for (auto* name : { "Curve", "Bank MSB", "Fixed", "Pressed", "Bank LSB", "Note", "Aftertouch" })
        read.add (name + juce::String ("=") + juce::String (pad.getParameterValue (name)));
    EXPECT_EQ (read.joinIntoString (","), "Curve=100,Bank MSB=100,Fixed=77,Pressed=77,Bank LSB=77,Note=9,Aftertouch=0");

    OrbSwitch sw (0);
    store (sw, "Released", 5);
    EXPECT_EQ (sw.getParameterValue ("Bank MSB"), 5);
}
