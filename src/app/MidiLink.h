#pragma once

#include "app/EditorSettings.h"
#include "midi/MidiManager.h"

// Keeps the editor on the controller the user works with, across runs: at start it chooses the
// ports remembered from the last run (they open when their device is present, or once it is
// plugged in), and while nothing is chosen it takes the controller by itself when exactly one
// input and one output carry its name. Every port the user chooses is remembered.
class MidiLink : private juce::ChangeListener, private juce::Timer
{
public:
    static constexpr const char* deviceNamePart = "OrbMini";

    MidiLink (MidiManager& manager, EditorSettings& settings);
    ~MidiLink() override;

    // The remembered ports, or the one controller listed; nothing when neither applies.
    void restore();

private:
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void timerCallback() override;
    bool nothingChosen() const;
    void takeTheOnlyController();

    MidiManager& manager;
    EditorSettings& settings;

    JUCE_DECLARE_NON_COPYABLE (MidiLink)
};
