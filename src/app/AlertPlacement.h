#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Message boxes of the framework open centred on the screen; the editor's open over the window
// they are about, so that the user sees which window failed.
class AlertPlacement
{
public:
    // Centres the message box just shown (the modal one now) over the owner's top-level window;
    // nothing happens without an owner on the desktop.
    static void centreShownAlertOver (juce::Component* owner);

    AlertPlacement() = delete;
};
