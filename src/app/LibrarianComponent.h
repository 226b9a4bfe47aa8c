#pragma once

#include "midi/LibrarianPlan.h"
#include "midi/SlotLibrarian.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The content of the backup and restore window: the slots and their files, one row each, the
// progress of the running slot and of the whole run ("Slot 7 of 24"), and at the end a summary.
// A restore first shows which file goes to which slot: rows can be unticked, and nothing is sent
// before "Restore" is pressed. A backup starts at once.
class LibrarianComponent : public juce::Component,
                           private juce::ListBoxModel,
                           private juce::Button::Listener,
                           private SlotLibrarian::Listener
{
public:
    // onClose: the user is done with the window (OK, or Cancel before anything started).
    LibrarianComponent (MidiManager& midiManager, SlotLibrarian::Direction direction,
                        std::vector<LibrarianPlan::Entry> plan, const juce::File& folder, bool replaceExisting,
                        std::function<void()> onClose, OrbEditorEngine::Timing timing = {});
    ~LibrarianComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // For tests and the window: the rows, their ticks and the buttons by their text.
    int getNumRows() override { return (int) plan.size(); }
    bool isTicked (int row) const { return ticks[(size_t) row]; }
    void toggleRow (int row);
    juce::String getRowText (int row) const;
    juce::Button* findButton (const juce::String& text);
    juce::String getStatusText() const { return status.getText(); }
    const SlotLibrarian* getLibrarian() const { return librarian.get(); }
    // The close button of the window: Cancel while running or confirming, OK at the end.
    void closeRequested();
    // Quitting: no further slot starts; a slot being written is finished first.
    void stopAfterCurrentSlot();
    // The number of the slot a restore is writing now, or 0.
    int getSlotBeingWritten() const;
    // False when the last slot that ended failed or was left incomplete.
    bool lastSlotSucceeded() const;
    // Return: "Restore" before the restore starts, "OK" at the end, nothing while it runs.
    void returnPressed();

private:
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    void listBoxItemClicked (int row, const juce::MouseEvent&) override;
    void buttonClicked (juce::Button* button) override;
    void librarianChanged (const SlotLibrarian& librarian) override;
    void start();
    void showButtons();

    MidiManager& midi;
    const SlotLibrarian::Direction direction;
    std::vector<LibrarianPlan::Entry> plan;
    std::vector<bool> ticks;
    const juce::File folder;
    const bool replaceExisting;
    const std::function<void()> onClose;
    const OrbEditorEngine::Timing timing;
    std::unique_ptr<SlotLibrarian> librarian;

    double fraction = 0.0;
    juce::ListBox rows;
    juce::Label status;
    juce::ProgressBar progressBar { fraction };
    juce::TextButton restoreButton { "Restore" }, cancelButton { "Cancel" }, okButton { "OK" };

    JUCE_DECLARE_NON_COPYABLE (LibrarianComponent)
};
