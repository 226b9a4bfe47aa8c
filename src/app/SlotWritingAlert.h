#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The question asked before closing a window or quitting would cut short a send or restore that
// is writing a slot: the device then holds part of the old preset and part of the new. "Wait"
// (Return or Escape: the safe answer) lets the writing finish first; "Stop and Close" stops it.
// Like the other alerts it does not block: show() returns at once.
class SlotWritingAlert
{
public:
    enum Answer
    {
        wait = 0,
        stopAndClose = 1
    };

    using Callback = std::function<void (Answer)>;

    // Shows the question about that slot (1 to 24), centred over `window` when one is given; the
    // box is returned while it is open.
    static juce::AlertWindow* show (juce::Component* window, int slotNumber, Callback onAnswer);

    static juce::String getMessage (int slotNumber);

    SlotWritingAlert() = delete;
};
