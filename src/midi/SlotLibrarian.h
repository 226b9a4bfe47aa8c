#pragma once

#include "midi/LibrarianPlan.h"
#include "midi/OrbEditorEngine.h"

#include <juce_events/juce_events.h>

#include <vector>

// Backs up hardware slots into preset files, or puts preset files back into slots, one slot
// after another through the port manager's transfer queue. Each slot gets a scratch engine of
// its own, so no window's preset is touched. A slot that fails is recorded and the others go on.
// Lives and reports on the message thread.
class SlotLibrarian : private OrbEditorEngine::TransferListener, private juce::AsyncUpdater
{
public:
    enum class Direction
    {
        backup,
        restore
    };

    struct Job
    {
        int slotNumber = 1; // 1 to 24
        juce::File file;    // restore: the file to send; backup: set once the slot is saved
    };

    struct Outcome
    {
        Job job;
        bool succeeded = false;
        juce::String failure; // what failed, for the user
    };

    class Listener
    {
    public:
        virtual ~Listener() = default;
        // Progress of the current slot, a slot ended, or the whole run ended.
        virtual void librarianChanged (const SlotLibrarian& librarian) = 0;
    };

    // Slots 1 to 24, for a backup of the whole device.
    static std::vector<Job> allSlots();

    // A backup gets every slot of the list and saves it into the folder as "Slot NN - <name>.orp".
    // With replaceExisting, older backup files of a slot are removed once its new file is saved;
    // without it a slot that already has a file in the folder fails and nothing is replaced.

    SlotLibrarian (MidiManager& midiManager, Direction direction, std::vector<Job> jobs,
                   const juce::File& backupFolder = {}, bool replaceExisting = false,
                   OrbEditorEngine::Timing timing = {});
    ~SlotLibrarian() override;

    void addListener (Listener* listener) { listeners.add (listener); }
    void removeListener (Listener* listener) { listeners.remove (listener); }

    void start();
    // No further slot starts. A backup's running get is cancelled and its slot left unsaved; a
    // restore lets the running send end, so that no slot is left half written.
    void cancel();

    Direction getDirection() const { return direction; }
    bool isRunning() const { return running; }
    // Whether a restore is writing a slot now (stopping it would leave the slot incomplete).
    bool isWritingSlot() const;
    bool wasCancelled() const { return cancelled; }
    int getNumJobs() const { return (int) jobs.size(); }
    // The index of the slot now running (or the last one), from 0.
    int getCurrentIndex() const { return current; }
    const Job& getCurrentJob() const { return jobs[(size_t) current]; }
    const TransferStatus& getCurrentStatus() const { return currentStatus; }
    const std::vector<Outcome>& getOutcomes() const { return outcomes; }
    int getNumSucceeded() const;
    int getNumFailed() const;
    // Done share of the whole run, counting the running slot's progress.
    double getFraction() const;

    // "Slot 7 of 24", or "Slot 7 of 24 (slot 12)" when the list skips slots.
    juce::String describeProgress() const;
    // "24 slots saved, 0 failed, into /home/...", then one line per failed slot.
    juce::String describeSummary() const;
    juce::File getBackupFolder() const { return folder; }

private:
    void transferChanged (const TransferStatus& status) override;
    void handleAsyncUpdate() override;
    void startJob();
    void finishJob (bool succeeded, const juce::String& failure, bool counts = true);
    juce::String saveBackup();
    void notify();

    MidiManager& midi;
    const Direction direction;
    std::vector<Job> jobs;
    const juce::File folder;
    const bool replaceExisting;
    const OrbEditorEngine::Timing timing;

    OrbEditorEngine::Ptr engine;
    TransferStatus currentStatus;
    std::vector<Outcome> outcomes;
    juce::ListenerList<Listener> listeners;
    int current = 0;
    bool running = false, cancelled = false, jobEnded = false;

    JUCE_DECLARE_NON_COPYABLE (SlotLibrarian)
};
