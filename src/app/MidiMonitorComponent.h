#pragma once

#include "app/FileErrorAlertWindow.h"
#include "midi/MidiManager.h"
#include "widgets/CustomLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>
#include <vector>

// The content of the MIDI monitor: every message in and out of the port manager's ports since it
// opened, one row each, newest at the bottom ("152.3  Out  Request slot 3 position 152"), the ports
// it watches, and "Pause", "Clear", "Copy" and "Save Log…". It records for as long as it exists.
// The list follows the newest message unless the user has scrolled up. While paused the list
// stands still and recording goes on: what came meanwhile shows once the pause ends.
class MidiMonitorComponent : public juce::Component,
                             private juce::ListBoxModel,
                             private juce::Button::Listener,
                             private juce::Timer
{
public:
    using Entry = MidiMonitorRecord::Entry;

    // The log file's chooser starts in the folder `lastDirectory` points to when "Save Log…" is
    // pressed (none: the documents folder).
    MidiMonitorComponent (MidiManager& midiManager, const juce::File* lastDirectory);
    ~MidiMonitorComponent() override;

    static constexpr int refreshPeriodMs = 60;

    // A row as shown, copied and saved: the time in ms since the monitor opened, "In" or "Out",
    // and what the message means.
    static juce::String lineFor (const Entry& entry);

    // Takes in what was recorded since the last look (the timer does this, unless paused).
    void refresh();
    // Adds rows as if recorded (the guide's pictures show made-up traffic this way).
    void append (const std::vector<Entry>& entries);

    int getNumRows() override { return (int) rows.size(); }
    juce::String getRowText (int row) const;
    // The selected rows, or every row when none is selected, a line each.
    juce::String getCopyText() const;
    juce::String getLogText() const;
    bool isPaused() const { return pauseButton.getToggleState(); }
    juce::String getStatusText() const { return statusText; }
    juce::String getPortsText() const { return portsText; }
    juce::ListBox& getList() { return list; }
    juce::Button* findButton (const juce::String& text);
    FileErrorAlertWindow* getFileErrorAlert() const { return fileErrorAlert.get(); }

    void paint (juce::Graphics& g) override;
    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    void buttonClicked (juce::Button* button) override;
    void timerCallback() override;

    void copy();
    void clear();
    void saveLog();
    void writeLog (const juce::File& file);
    bool isShowingTheNewest() const;
    void dropOldestRows (int count);
    void updatePorts();
    void updateStatus();
    juce::String linesOf (const juce::SparseSet<int>& selection) const;

    MidiManager& midi;
    MidiMonitorRecord& record;
    const juce::File* lastDirectory;

    std::deque<Entry> rows;
    std::vector<Entry> arrived; // reused by every refresh
    std::uint64_t nextToRead = 0;

    CustomLook look;
    juce::ListBox list;
    juce::String portsText, statusText; // drawn in the header
    juce::TextButton pauseButton { "Pause" }, clearButton { "Clear" }, copyButton { "Copy" }, saveButton;
    juce::WeakReference<FileErrorAlertWindow> fileErrorAlert;

    JUCE_DECLARE_NON_COPYABLE (MidiMonitorComponent)
};
