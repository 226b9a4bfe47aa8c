#include "model/Control.h"

#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

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
        if (name == "MIDI Channel")
            return 0;
        if (name == "CC" || name == "Program")
            return 1;
        if (name == "Value")
            return 2;
        return -1;
    }
};

struct Recorder : Control::Listener
{
    explicit Recorder (std::vector<juce::String>* sharedLog = nullptr, juce::String tag = {})
        : log (sharedLog), id (std::move (tag))
    {}

    void parameterChanged (juce::String name, int value) override
    {
        calls.push_back ({ name, value });
        if (log != nullptr)
            log->push_back (id);
    }

    std::vector<std::pair<juce::String, int>> calls;
    std::vector<juce::String>* log;
    juce::String id;
};
} // namespace

TEST (Control, UnknownNamesReadZeroStoreNothingButStillNotify)
{
    TestGroup group;
    group.setValues (bytes ({ 1, 2, 3 }));
    Recorder recorder;
    group.addListener (&recorder);

    group.setParameterValue ("Aftertouch", 0, true);

    EXPECT_EQ (group.getParameterValue ("Aftertouch"), 0);
    EXPECT_EQ (group.getMaximum ("Aftertouch"), 0);
    EXPECT_EQ (group.getMaximum ("MIDI Channel"), 15);
    EXPECT_EQ (group.getMaximum ("Value"), 127);
    EXPECT_EQ (group.getValues(), bytes ({ 1, 2, 3 }));
    ASSERT_EQ (recorder.calls.size(), 1u);
    EXPECT_EQ (recorder.calls[0].first, "Aftertouch");

    // A rejected value is still announced when asked, and the slot keeps its value.
    group.setParameterValue ("MIDI Channel", 16, true);
    EXPECT_EQ (group.getParameterValue ("MIDI Channel"), 1);
    EXPECT_EQ (recorder.calls.back().second, 16);
}

TEST (Control, ListenersHearEachNameOnceFromTheMostRecentAndMayLeaveWhileNotified)
{
    TestGroup group;
    std::vector<juce::String> log;
    Recorder first (&log, "first"), second (&log, "second");
    group.addListener (&first);
    group.addListener (&second);
    group.addListener (&first);
    group.addListener (nullptr);
    EXPECT_EQ (group.getNumListeners(), 2);

    group.setParameterValue ("CC", 1, true);
    EXPECT_EQ (log, (std::vector<juce::String> { "second", "first" }));
    EXPECT_EQ (first.calls.size(), 1u);

    // A whole-group change announces every name once, in list order.
    first.calls.clear();
    group.setValues (bytes ({ 3, 44, 5 }));
    const std::vector<std::pair<juce::String, int>> expected {
        { "MIDI Channel", 3 }, { "CC", 44 }, { "Program", 44 }, { "Value", 5 }
    };
    EXPECT_EQ (first.calls, expected);

    // A removed listener is never called again; one leaving during a call does not make the others miss it.
    struct Leaver : Control::Listener
    {
        Control& group;
        int calls = 0;
        explicit Leaver (Control& g) : group (g) {}
        void parameterChanged (juce::String, int) override
        {
            ++calls;
            group.removeListener (this);
        }
    } leaver (group);

    auto doomed = std::make_unique<Recorder>();
    group.addListener (doomed.get());
    group.removeListener (doomed.get());
    doomed.reset();
    group.removeListener (&second);
    group.removeListener (nullptr);
    group.addListener (&leaver);
    first.calls.clear();

    group.setValues (bytes ({ 1, 2, 3 }));
    EXPECT_EQ (leaver.calls, 1);
    EXPECT_EQ (first.calls.size(), 4u);
    EXPECT_EQ (group.getNumListeners(), 1);
}
