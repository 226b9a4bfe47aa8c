#pragma once

#include <juce_core/juce_core.h>

// The channel entries of both wheels: "1" to "16" (stored 0 to 15), then "Omni" (stored 16).
struct WheelChannelList
{
    static juce::StringArray create()
    {
        juce::StringArray entries;
        for (int channel = 1; channel <= 16; ++channel)
            entries.add (juce::String (channel));
        entries.add ("Omni");
        return entries;
    }

    WheelChannelList() = delete;
};
