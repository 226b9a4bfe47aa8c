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

// Logs "tag:name=value" for each notification into a log it may share; may leave the group when called.
struct Recorder : Control::Listener
{
    Recorder (std::vector<juce::String>& sharedLog, juce::String tag, Control* leave = nullptr)
        : log (sharedLog), id (std::move (tag)), leaveFrom (leave)
    {}
    void parameterChanged (juce::String name, int value) override
    {
        log.push_back (id + ":" + name + "=" + juce::String (value));
        if (leaveFrom != nullptr)
            leaveFrom->removeListener (this);
    }
    std::vector<juce::String>& log;
    juce::String id;
    Control* leaveFrom;
};
} // namespace

TEST (Control, UnknownNamesReadZeroStoreNothingButStillNotify)
{
    TestGroup group;
    group.setValues (bytes ({ 1, 2, 3 }));
    std::vector<juce::String> log;
    Recorder recorder (log, "r");
    group.addListener (&recorder);

    group.setParameterValue ("Aftertouch", 0, true);
    EXPECT_EQ ((std::vector<int> { group.getParameterValue ("Aftertouch"), group.getMaximum ("Aftertouch"),
                                   group.getMaximum ("MIDI Channel"), group.getMaximum ("Value") }),
               (std::vector<int> { 0, 0, 15, 127 }));

    // A rejected value is still announced when asked, and the slot keeps its value.
    group.setParameterValue ("MIDI Channel", 16, true);
    EXPECT_EQ (group.getValues(), bytes ({ 1, 2, 3 }));
    EXPECT_EQ (log, (std::vector<juce::String> { "r:Aftertouch=0", "r:MIDI Channel=16" }));
}

TEST (Control, ListenersHearEachNameOnceFromTheMostRecentAndMayLeaveWhileNotified)
{
    TestGroup group;
    std::vector<juce::String> log;
    Recorder first (log, "first"), second (log, "second");
    group.addListener (&first);
    group.addListener (&second);
    group.addListener (&first);
    group.addListener (nullptr);
    group.setParameterValue ("CC", 1, true);
    EXPECT_EQ (log, (std::vector<juce::String> { "second:CC=1", "first:CC=1" }));

    // A whole-group change announces every name once, in list order.
    group.removeListener (&second);
    log.clear();
    group.setValues (bytes ({ 3, 44, 5 }));
    EXPECT_EQ (log, (std::vector<juce::String> { "first:MIDI Channel=3", "first:CC=44", "first:Program=44",
                                                 "first:Value=5" }));

    // A removed listener is never called again; one leaving during a call does not make the others miss it.
    Recorder leaver (log, "leaver", &group);
    auto doomed = std::make_unique<Recorder> (log, "doomed");
    group.addListener (doomed.get());
    group.removeListener (doomed.get());
    doomed.reset();
    group.removeListener (nullptr);
    group.addListener (&leaver);
    log.clear();
    group.setValues (bytes ({ 1, 2, 3 }));
    EXPECT_EQ (log, (std::vector<juce::String> { "leaver:MIDI Channel=1", "first:MIDI Channel=1", "first:CC=2",
                                                 "first:Program=2", "first:Value=3" }));
    EXPECT_EQ (group.getNumListeners(), 1);
}
