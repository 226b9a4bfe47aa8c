#include "midi/SlotLibrarian.h"

#include <algorithm>

using Phase = TransferStatus::Phase;

std::vector<SlotLibrarian::Job> SlotLibrarian::allSlots()
{
    std::vector<Job> list;

    for (int slot = 1; slot <= LibrarianPlan::numSlots; ++slot)
        list.push_back ({ slot, {} });

    return list;
}

SlotLibrarian::SlotLibrarian (MidiManager& midiManager, Direction d, std::vector<Job> list,
                              const juce::File& backupFolder, bool replace, OrbEditorEngine::Timing t)
    : midi (midiManager), direction (d), jobs (std::move (list)), folder (backupFolder), replaceExisting (replace),
      timing (t)
{}

SlotLibrarian::~SlotLibrarian()
{
    cancelPendingUpdate();

    if (engine != nullptr)
    {
        engine->removeTransferListener (this);
        engine->cancelTransfers();
    }
}

void SlotLibrarian::start()
{
    if (running || ! outcomes.empty())
        return;

    running = true;
    current = 0;
    startJob();
}

void SlotLibrarian::cancel()
{
    if (! running || cancelled)
        return;

    cancelled = true;

    // A send that has begun writing runs to its end: a slot cut off halfway holds neither preset.
    // Only the transfer itself knows whether its first write has gone out.
    if (engine != nullptr)
    {
        if (direction == Direction::backup)
            engine->cancelTransfers();
        else
            engine->cancelTransferUnlessWriting (TransferStatus::Kind::send);
    }

    notify();
}

void SlotLibrarian::startJob()
{
    if (cancelled || current >= (int) jobs.size())
    {
        running = false;
        current = juce::jmax (0, juce::jmin (current, (int) jobs.size() - 1));
        notify();
        return;
    }

    const auto& job = jobs[(size_t) current];
    const auto kind = direction == Direction::backup ? TransferStatus::Kind::get : TransferStatus::Kind::send;
    const auto slotText = "Slot " + juce::String (job.slotNumber) + ": ";

    currentStatus = TransferStatus { kind };
    currentStatus.slotNumber = job.slotNumber;
    jobEnded = false;
    engine = OrbEditorEngine::createForOrbMini (midi, timing);
    engine->addTransferListener (this);

    const auto index = (std::uint8_t) (job.slotNumber - 1);

    if (direction == Direction::backup)
        engine->getPreset (index);
    else if (! engine->loadPresetFile (job.file))
        finishJob (false, slotText + job.file.getFileName() + " is not a preset file the editor loads");
    else if (! engine->sendPreset (index) && ! jobEnded)
        finishJob (false, slotText + "the device is not connected");

    if (! jobEnded)
        notify();
}

void SlotLibrarian::transferChanged (const TransferStatus& status)
{
    if (jobEnded)
        return;

    currentStatus = status;

    if (status.isRunning())
    {
        notify();
        return;
    }

    const auto slotText = "Slot " + juce::String (jobs[(size_t) current].slotNumber) + ": ";

    // Once cancelled, a backup saves nothing more, even a slot whose get came in meanwhile.
    if (cancelled && direction == Direction::backup)
        finishJob (false, {}, false);
    else if (status.phase == Phase::succeeded)
    {
        const auto error = direction == Direction::backup ? saveBackup() : juce::String();
        finishJob (error.isEmpty(), error);
    }
    else if (status.phase == Phase::cancelled && status.leftIncomplete)
        finishJob (false, status.describe());
    else if (status.phase == Phase::cancelled)
        finishJob (false, slotText + "cancelled", ! cancelled);
    else
        finishJob (false, status.failure.isNotEmpty() ? status.failure : slotText + "failed");
}

juce::String SlotLibrarian::saveBackup()
{
    auto& job = jobs[(size_t) current];
    const auto file = folder.getChildFile (
        LibrarianPlan::backupFileName (job.slotNumber, LibrarianPlan::presetNameOf (engine->buildDump (0))));
    const auto slotText = "Slot " + juce::String (job.slotNumber) + ": ";
    const auto older = LibrarianPlan::findBackupFiles (folder, job.slotNumber);

    if (! replaceExisting && ! older.isEmpty())
        return slotText + older[0].getFileName() + " is already in the folder";

    if (! engine->savePresetFile (file))
        return slotText + "cannot write " + file.getFullPathName();

    // Only one file per slot, or a restore from this folder could not tell which one is meant.
    for (const auto& old : older)
        if (old != file)
            old.deleteFile();

    job.file = file;
    return {};
}

void SlotLibrarian::finishJob (bool succeeded, const juce::String& failure, bool counts)
{
    jobEnded = true;

    // A slot stopped by cancel is neither saved nor failed: the summary says the run was cancelled.
    if (counts)
        outcomes.push_back ({ jobs[(size_t) current], succeeded, failure });

    // The next slot starts outside this engine's own call: the engine may not be let go inside it.
    triggerAsyncUpdate();
    notify();
}

void SlotLibrarian::handleAsyncUpdate()
{
    if (! jobEnded)
        return;

    engine->removeTransferListener (this);
    engine = nullptr;
    ++current;
    startJob();
}

bool SlotLibrarian::isWritingSlot() const
{
    return running && engine != nullptr && engine->isWritingSlot();
}

int SlotLibrarian::getNumSucceeded() const
{
    return (int) std::count_if (outcomes.begin(), outcomes.end(), [] (const Outcome& o) { return o.succeeded; });
}

int SlotLibrarian::getNumFailed() const
{
    return (int) outcomes.size() - getNumSucceeded();
}

double SlotLibrarian::getFraction() const
{
    if (jobs.empty())
        return 1.0;

    const auto ofRunningSlot = running && ! jobEnded ? currentStatus.getFraction() : 0.0;
    return juce::jlimit (0.0, 1.0, ((double) outcomes.size() + ofRunningSlot) / (double) jobs.size());
}

juce::String SlotLibrarian::describeProgress() const
{
    if (jobs.empty())
        return {};

    const auto position = current + 1;
    const auto slot = jobs[(size_t) current].slotNumber;
    const auto count = juce::String (position) + " of " + juce::String (jobs.size());

    return slot == position ? "Slot " + count : "Slot " + juce::String (slot) + " (" + count + ")";
}

juce::String SlotLibrarian::describeSummary() const
{
    const auto succeeded = getNumSucceeded(), failed = getNumFailed();
    juce::String text;

    text << succeeded << (succeeded == 1 ? " slot " : " slots ")
         << (direction == Direction::backup ? "saved" : "restored") << ", " << failed << " failed";

    if (direction == Direction::backup)
        text << ", in " << folder.getFullPathName();

    text << (cancelled ? ". Cancelled." : ".");

    for (const auto& outcome : outcomes)
        if (! outcome.succeeded)
            text << "\n" << outcome.failure;

    return text;
}

void SlotLibrarian::notify()
{
    listeners.call ([this] (Listener& l) { l.librarianChanged (*this); });
}
