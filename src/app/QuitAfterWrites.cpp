#include "app/QuitAfterWrites.h"

#include "app/LibrarianWindow.h"
#include "app/SlotWritingAlert.h"
#include "midi/LiveEditSession.h"

QuitAfterWrites::QuitAfterWrites (std::function<void()> q) : quit (std::move (q)) {}

void QuitAfterWrites::quitUnlessWritingSlots (WindowManager* windows)
{
    windowManager = windows;
    const auto writing = stopAllButSlotsBeingWritten();

    if (writing.isEmpty())
        return quit();

    if (alert != nullptr || waiting)
    {
        if (alert != nullptr)
            alert->toFront (true);
        return;
    }

    juce::WeakReference<QuitAfterWrites> self (this);
    auto* over = windowManager != nullptr ? windowManager->getActiveWindow() : nullptr;

    alert = SlotWritingAlert::show (over, writing.getFirst(), [self] (SlotWritingAlert::Answer answer) {
        if (self == nullptr)
            return;

        if (answer == SlotWritingAlert::stopAndClose)
            return self->quit();

        self->waiting = true;
        self->quitWhenWritten();
    });
}

juce::Array<int> QuitAfterWrites::stopAllButSlotsBeingWritten()
{
    juce::Array<int> slots;

    for (int i = 0; windowManager != nullptr && i < windowManager->getNumWindows(); ++i)
    {
        const auto engine = windowManager->getWindow (i)->getEngine();
        if (! engine->cancelTransferUnlessWriting (TransferStatus::Kind::send))
        {
            slots.add (engine->getTransferStatus (TransferStatus::Kind::send).slotNumber);
            awaitedEngines.addIfNotAlreadyThere (engine.get());
        }

        // Live editing stops; values it has still to write or check are waited for.
        if (! engine->getLiveEdit().stopUnlessWriting())
        {
            slots.add (engine->getLiveEdit().getSlotNumber());
            awaitedLiveEdits.addIfNotAlreadyThere (engine.get());
        }
    }

    if (auto* librarian = LibrarianWindow::findOpen())
    {
        librarian->getContent().stopAfterCurrentSlot();
        if (const auto slot = librarian->getContent().getSlotBeingWritten(); slot != 0)
        {
            slots.add (slot);
            awaitedRestore = true;
        }
    }

    return slots;
}

bool QuitAfterWrites::awaitedWritesRunning() const
{
    for (const auto& engine : awaitedEngines)
        if (engine->isSending())
            return true;

    for (const auto& engine : awaitedLiveEdits)
        if (engine->getLiveEdit().hasWorkLeft())
            return true;

    auto* librarian = LibrarianWindow::findOpen();
    return awaitedRestore && librarian != nullptr && librarian->getContent().getLibrarian() != nullptr
           && librarian->getContent().getLibrarian()->isRunning();
}

void QuitAfterWrites::quitWhenWritten()
{
    // Until each awaited writer has ended and told its window how it went.
    if (! stopAllButSlotsBeingWritten().isEmpty() || awaitedWritesRunning())
    {
        juce::WeakReference<QuitAfterWrites> self (this);
        juce::Timer::callAfterDelay (50, [self] {
            if (self != nullptr)
                self->quitWhenWritten();
        });
        return;
    }

    const auto succeeded = awaitedWritesSucceeded();
    awaitedEngines.clear();
    awaitedLiveEdits.clear();
    awaitedRestore = waiting = false;

    if (succeeded)
        quit();
}

bool QuitAfterWrites::awaitedWritesSucceeded() const
{
    for (const auto& engine : awaitedEngines)
        if (engine->getTransferStatus (TransferStatus::Kind::send).phase != TransferStatus::Phase::succeeded)
            return false;

    for (const auto& engine : awaitedLiveEdits)
        if (engine->getLiveEdit().hasFailed())
            return false;

    if (auto* librarian = LibrarianWindow::findOpen(); librarian != nullptr && awaitedRestore)
        return librarian->getContent().lastSlotSucceeded();

    return true;
}
