#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The question asked before a window with unsaved changes closes: "Save", "Don't Save" or
// "Cancel". Like the other alerts it does not block: show() returns at once and the answer
// arrives later on the message thread. The box is centred over the window it asks about and
// brought in front of it.
class SaveChangesAlert
{
public:
    enum Answer
    {
        cancel = 0,
        save = 1,
        dontSave = 2
    };

    using Callback = std::function<void (Answer)>;

    // Shows the question for the preset of that name; the box is returned while it is open (the
    // modal manager deletes it once answered). Return saves, escape cancels, command-D does not save.
    static juce::AlertWindow* show (juce::Component& window, const juce::String& presetName, Callback onAnswer);

    static juce::String getMessage (const juce::String& presetName);

    SaveChangesAlert() = delete;
};
