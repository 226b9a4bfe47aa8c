#include "model/Control.h"

#include "PresetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Two names share slot 1, as pad and switch names do.
class TestGroup : public Control
{
public:
    TestGroup() : Control (3, 2)
    {
        for (auto* name : { "MIDI Channel", "CC", "Program", "Value" })
            addParameterName (name);
    }

    int getParameterIndex (const juce::String& name) const override
    {
        return name == "MIDI Channel" ? 0 : name == "CC" || name == "Program" ? 1 : name == "Value" ? 2 : -1;
    }
};

// Logs "name=value" for each notification.
struct Recorder : Control::Listener
{
    void parameterChanged (juce::String name, int value) override { log.push_back (name + "=" + juce::String (value)); }
    std::vector<juce::String> log;
};
} // namespace

// A whole-group change announces every name once, in list order. An unknown name reads zero and
// stores nothing, and a rejected value leaves the slot, but both are still announced when asked.
TEST (Control, AnnouncesEveryNameOfAGroupChangeAndEverySetAskedForEvenUnknownOrRejected)
{
    TestGroup group;
    Recorder recorder;
    group.addListener (&recorder);
    group.addListener (nullptr);
    group.setValues (bytes ({ 1, 2, 3 }));

    group.setParameterValue ("Aftertouch", 0, true);
    EXPECT_EQ ((std::vector<int> { group.getParameterValue ("Aftertouch"), group.getMaximum ("Aftertouch"),
                                   group.getMaximum ("MIDI Channel"), group.getMaximum ("Value") }),
               (std::vector<int> { 0, 0, 15, 127 }));

    group.setParameterValue ("MIDI Channel", 16, true);
    EXPECT_EQ (group.getValues(), bytes ({ 1, 2, 3 }));
    EXPECT_EQ (recorder.log, (std::vector<juce::String> { "MIDI Channel=1", "CC=2", "Program=2", "Value=3",
                                                          "Aftertouch=0", "MIDI Channel=16" }));
    EXPECT_EQ (group.getNumListeners(), 1);
}
