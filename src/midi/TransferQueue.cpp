#include "midi/TransferQueue.h"

#include "midi/MidiManager.h"

#include <algorithm>

namespace
{
using Clock = std::chrono::steady_clock;

std::int64_t ticksNow()
{
    return Clock::now().time_since_epoch().count();
}

std::int64_t toTicks (int ms)
{
    return std::chrono::duration_cast<Clock::duration> (std::chrono::milliseconds (ms)).count();
}
} // namespace

TransferQueue::TransferQueue (MidiManager& m) : manager (m) {}

TransferQueue::~TransferQueue()
{
    shutdown();
}

void TransferQueue::enqueue (std::shared_ptr<PresetTransfer> transfer, EndedCallback onEnded)
{
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! quitting)
        {
            transfer->setQueuedBehindOthers (running != nullptr || ! jobs.empty());
            jobs.push_back ({ std::move (transfer), std::move (onEnded) });

            if (! worker.joinable())
                worker = std::thread ([this] { run(); });

            changed.notify_all();
            return;
        }
    }

    transfer->finishWithout (PresetTransfer::Failure::none);
    if (onEnded)
        onEnded();
}

void TransferQueue::cancel (const std::shared_ptr<PresetTransfer>& transfer)
{
    transfer->cancel();
    removeQueued (transfer);
}

bool TransferQueue::cancelUnlessWriting (const std::shared_ptr<PresetTransfer>& transfer)
{
    if (! transfer->cancelUnlessWriting())
        return false;

    removeQueued (transfer);
    return true;
}

bool TransferQueue::removeQueued (const std::shared_ptr<PresetTransfer>& transfer)
{
    Job removed;
    {
        const std::lock_guard<std::mutex> guard (lock);

        for (auto it = jobs.begin(); it != jobs.end(); ++it)
        {
            if (it->transfer == transfer)
            {
                removed = std::move (*it);
                jobs.erase (it);
                break;
            }
        }
    }

    changed.notify_all();

    if (removed.transfer == nullptr)
        return false;

    removed.transfer->finishWithout (PresetTransfer::Failure::none);
    if (removed.onEnded)
        removed.onEnded();
    return true;
}

bool TransferQueue::isBusy() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return running != nullptr || ! jobs.empty();
}

void TransferQueue::shutdown()
{
    std::deque<Job> left;
    {
        const std::lock_guard<std::mutex> guard (lock);
        quitting = true;
        left.swap (jobs);
        if (running != nullptr)
            running->cancel();
    }

    changed.notify_all();

    if (worker.joinable())
        worker.join();

    for (auto& job : left)
    {
        job.transfer->finishWithout (PresetTransfer::Failure::none);
        if (job.onEnded)
            job.onEnded();
    }
}

void TransferQueue::handleIncoming (const juce::MidiMessage& message)
{
    const auto reply = OrbMiniProtocol::parseValueReply (message);
    if (! reply)
        return;

    lastReplyTicks = ticksNow();

    const std::lock_guard<std::mutex> guard (lock);
    if (running != nullptr)
        running->deliverReply (*reply);
}

bool TransferQueue::sendPaced (const juce::MidiMessage& message, int gapMs)
{
    return pacer.sendPaced (gapMs, [&] { return manager.sendMessage (message); });
}

bool TransferQueue::sendNextPaced (int gapMs, const std::function<std::optional<juce::MidiMessage>()>& makeNext)
{
    return pacer.sendPaced (gapMs, [&] {
        const auto message = makeNext();
        return ! message || manager.sendMessage (*message);
    });
}

bool TransferQueue::isUp()
{
    return manager.isConnected() && manager.isOutputOpen();
}

void TransferQueue::run()
{
    std::unique_lock<std::mutex> guard (lock);

    for (;;)
    {
        changed.wait (guard, [this] { return quitting || ! jobs.empty(); });
        if (quitting)
            return;

        auto job = std::move (jobs.front());
        jobs.pop_front();
        running = job.transfer;
        guard.unlock();

        // Late replies mean nothing to a transfer that only writes.
        if (job.transfer->readsFromDevice())
            waitForQuiet (*job.transfer);
        job.transfer->run (*this);

        guard.lock();
        running = nullptr;
        // One that asked nothing (a stream of writes, or one cancelled before its first request)
        // leaves the silence that an earlier one needs as it was.
        if (job.transfer->hasAskedForValues())
        {
            lastEndTicks = ticksNow();
            quietNeededTicks =
                job.transfer->mayHaveRepliesOnTheWay() ? toTicks (job.transfer->getSettings().replyTimeoutMs) : 0;
        }
        guard.unlock();

        if (job.onEnded)
            job.onEnded();

        guard.lock();
    }
}

void TransferQueue::waitForQuiet (const PresetTransfer& transfer)
{
    std::unique_lock<std::mutex> guard (lock);

    // Silence is counted from the last reply, or from the end of the transfer whose requests are
    // still unanswered, whichever came later: a stalled device answers nothing before it resumes.
    for (;;)
    {
        const auto silentFor = ticksNow() - std::max (lastReplyTicks.load(), lastEndTicks);
        if (silentFor >= quietNeededTicks || quitting || transfer.isCancelled())
            return;

        changed.wait_for (guard, Clock::duration (quietNeededTicks - silentFor));
    }
}
