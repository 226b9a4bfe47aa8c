#pragma once

#include "app/DialogKeys.h"
#include "app/WindowSizeHints.h"
#include "app/LibrarianComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The window of a backup or restore of the controller's slots. Not modal: the editor windows stay
// usable while it runs. One at a time; it closes itself when the user is done with it. Return
// presses "Restore" or "OK"; escape and the title bar's close are "Cancel" (or "OK" at the end).
class LibrarianWindow : public juce::DocumentWindow
{
public:
    LibrarianWindow (const juce::String& title, MidiManager& midiManager, SlotLibrarian::Direction direction,
                     std::vector<LibrarianPlan::Entry> plan, const juce::File& folder, bool replaceExisting,
                     OrbEditorEngine::Timing timing = {});

    void closeButtonPressed() override;
    LibrarianComponent& getContent() { return content; }

    // The open librarian window, if any.
    static LibrarianWindow* findOpen();

    // "Back Up All Slots…": asks for a folder (starting in lastDirectory) and, when it already
    // holds backup files, once whether to replace them; then the backup runs.
    static void backUpAllSlots (MidiManager& midiManager, juce::File& lastDirectory,
                                OrbEditorEngine::Timing timing = {});
    // "Restore Slots…": asks for a backup folder, then shows which file goes to which slot.
    static void restoreSlots (MidiManager& midiManager, juce::File& lastDirectory, OrbEditorEngine::Timing timing = {});

private:
    LibrarianComponent content;
    DialogKeys keys;
    WindowSizeHints sizeHints;

    JUCE_DECLARE_NON_COPYABLE (LibrarianWindow)
};
