#pragma once

#include "app/WindowManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Quitting must not cut short a send of an editor window or a restore that is writing a slot:
// the device would hold part of the old preset and part of the new. Everything that may stop
// without harm is stopped (a get, a send still waiting its turn, a restore after its current
// slot); for a slot being written the user is asked whether to wait for it or stop it.
class QuitAfterWrites
{
public:
    // `quit` closes the application without asking anything more.
    explicit QuitAfterWrites (std::function<void()> quit);

    // Quits at once unless a slot is being written; then asks. "Wait" quits once nothing is
    // written any more, unless a write it waited for failed (its window shows the failure).
    void quitUnlessWritingSlots (WindowManager* windows);

    juce::AlertWindow* getAlert() const { return alert.getComponent(); }
    bool isWaiting() const { return waiting; }

private:
    juce::Array<int> stopAllButSlotsBeingWritten();
    void quitWhenWritten();
    bool awaitedWritesRunning() const;
    bool awaitedWritesSucceeded() const;

    std::function<void()> quit;
    WindowManager* windowManager = nullptr;
    juce::Component::SafePointer<juce::AlertWindow> alert;
    juce::ReferenceCountedArray<OrbEditorEngine> awaitedEngines, awaitedLiveEdits;
    bool awaitedRestore = false, waiting = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (QuitAfterWrites)
    JUCE_DECLARE_NON_COPYABLE (QuitAfterWrites)
};
