#pragma once

#include "midi/MessagePacer.h"
#include "midi/PresetTransfer.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class MidiManager;

// The one line of preset transfers on the port manager's ports. Replies carry no sender, so
// transfers run one at a time on a thread of their own (where pacing and waiting cannot freeze
// the window). A transfer that ended with requests unanswered, or that heard a request answered
// twice, may still have replies on their way: the next one then starts only once the device has
// been silent for a whole reply timeout, so that late replies meant for one slot are never counted
// for the next. After a transfer whose every request was answered once nothing can still come,
// and the next starts at once. A stream of live writes reads nothing, so it never waits for that
// silence, and the transfer after it waits as it would have without it.
class TransferQueue : private PresetTransfer::Link
{
public:
    // Called on the transfer thread once the transfer has ended, however it ended.
    using EndedCallback = std::function<void()>;

    explicit TransferQueue (MidiManager& manager);
    ~TransferQueue() override;

    void enqueue (std::shared_ptr<PresetTransfer> transfer, EndedCallback onEnded);
    // A queued transfer leaves the queue and ends at once; a running one stops sending.
    void cancel (const std::shared_ptr<PresetTransfer>& transfer);
    // The same, except that a send which has begun writing its slot is left to finish: false then.
    bool cancelUnlessWriting (const std::shared_ptr<PresetTransfer>& transfer);
    // Whether a transfer is running or queued.
    bool isBusy() const;
    // Cancels everything and stops the thread; nothing can be queued afterwards.
    void shutdown();

    // Input thread: every incoming message.
    void handleIncoming (const juce::MidiMessage& message);

    // A single message outside any transfer (sync mode), paced with the transfers' messages.
    bool sendPaced (const juce::MidiMessage& message, int gapMs) override;
    bool sendNextPaced (int gapMs, const std::function<std::optional<juce::MidiMessage>()>& makeNext) override;

private:
    struct Job
    {
        std::shared_ptr<PresetTransfer> transfer;
        EndedCallback onEnded;
    };

    bool isUp() override;
    void run();
    void waitForQuiet (const PresetTransfer& transfer);
    bool removeQueued (const std::shared_ptr<PresetTransfer>& transfer);

    MidiManager& manager;
    MessagePacer pacer;
    std::atomic<std::int64_t> lastReplyTicks { 0 };
    // Set when a transfer ended with replies on their way: from then on the device must be silent
    // for this long before the next transfer starts (under `lock`).
    std::int64_t quietNeededTicks = 0, lastEndTicks = 0;

    mutable std::mutex lock;
    std::condition_variable changed;
    std::deque<Job> jobs;
    std::shared_ptr<PresetTransfer> running;
    bool quitting = false;
    std::thread worker;

    JUCE_DECLARE_NON_COPYABLE (TransferQueue)
};
