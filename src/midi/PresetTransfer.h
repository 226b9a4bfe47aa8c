#pragma once

#include "midi/OrbMiniProtocol.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// One exchange of a whole preset with the device, run on the transfer thread of the port
// manager's queue: a get (value requests for every position, repeated for the positions still
// missing) or a send (a value write for every position, then the slot read back and every
// position that differs written again until the device holds the preset). Live editing adds two
// smaller kinds of send: a stream of writes that takes its values as they come, and a check that
// reads written positions back and writes again those that differ.
// The device is not flow-controlled and may stall, lose or repeat messages, or vanish: a
// transfer ends either with exactly what it should have done or with a failure saying why.
class PresetTransfer
{
public:
    enum class Kind
    {
        get,
        send
    };
    enum class Phase
    {
        waiting,
        getting,
        sending,
        checking,
        succeeded,
        failed,
        cancelled
    };
    enum class Failure
    {
        none,
        noOutput,
        noInput,
        disconnected,
        valuesMissing,
        valuesDiffer
    };
    using Payload = std::vector<std::uint8_t>;

    // What the transfer thread offers a running transfer.
    class Link
    {
    public:
        virtual ~Link() = default;
        // Sends after the pacing gap; false when the message could not go out.
        virtual bool sendPaced (const juce::MidiMessage& message, int gapMs) = 0;
        // The same for the message that `makeNext` makes once the gap has passed, so that it
        // carries what is newest then; nothing is sent when it makes none.
        virtual bool sendNextPaced (int gapMs, const std::function<std::optional<juce::MidiMessage>()>& makeNext) = 0;
        // Whether both the input and the output are open.
        virtual bool isUp() = 0;
    };

    struct Settings
    {
        std::uint8_t modelByte = 0;
        std::uint8_t slot = 0;
        int payloadSize = 0;
        int requestGapMs = 3;
        int writeGapMs = 8;
        int replyTimeoutMs = 2000;        // wait for replies after each pass of requests
        int askAgainAfterSilenceMs = 150; // a pass that has replies ends once they stop this long
        int maxPasses = 9;                // request passes before a read gives up
        int maxRewrites = 3;              // write-again rounds after the read-back of a send
    };

    struct Progress
    {
        Phase phase = Phase::waiting;
        int done = 0;
        int total = 0;
        bool behindOthers = false; // waiting for transfers queued before it
    };

    struct PositionValue
    {
        int position = 0;
        std::uint8_t value = 0;
    };

    // Where a stream of writes takes its values from.
    class ValueSource
    {
    public:
        virtual ~ValueSource() = default;
        // Transfer thread: the next position to write with its latest value; nothing once none is left.
        virtual std::optional<PositionValue> takeNext() = 0;
    };

    static std::shared_ptr<PresetTransfer> makeGet (const Settings& settings);
    static std::shared_ptr<PresetTransfer> makeSend (const Settings& settings, Payload payload);
    // Writes what the source hands out until it has nothing left, and reads nothing back.
    static std::shared_ptr<PresetTransfer> makeWrites (const Settings& settings, std::shared_ptr<ValueSource> source);
    // Values already written: reads those positions back and writes again each that differs from
    // `expected` (a whole payload), with a send's rounds and rules.
    static std::shared_ptr<PresetTransfer> makeCheck (const Settings& settings, Payload expected,
                                                      std::vector<int> positions);

    Kind getKind() const { return kind; }
    const Settings& getSettings() const { return settings; }

    // Transfer thread.
    void run (Link& link);
    // Input thread: a reply of the device; only positions this transfer has asked for count, so a
    // late reply of an earlier transfer is not taken for one of this.
    void deliverReply (const OrbMiniProtocol::Reply& reply);
    // Any thread: nothing more is sent; a transfer still queued ends without sending anything.
    // A send stopped after its first write ends cancelled with the slot left incomplete.
    void cancel();
    // Any thread: cancels only while no write has gone out (a get always); false when the send
    // has begun writing the slot and is left to run to its end.
    bool cancelUnlessWriting();
    // Whether a cancel was asked for. A get asked to cancel never counts as succeeded, even when
    // its last value had arrived just before.
    bool isCancelled() const { return cancelled; }
    // Whether a send has begun writing the slot and not yet ended.
    bool isWritingSlot() const;
    // Ends a transfer that never ran: cancelled, or failed for want of a port.
    void finishWithout (Failure reason);
    void setQueuedBehindOthers (bool behind) { behindOthers = behind; }

    Progress getProgress() const;
    bool hasEnded() const;

    // Valid once ended. A get's payload, as the device answered; empty unless it succeeded.
    const Payload& getReceived() const { return received; }
    Failure getFailure() const { return failure; }
    // The positions that failed: not answered (get, or a read-back), or holding another value.
    const std::vector<int>& getFailedPositions() const { return failedPositions; }
    // Valid once ended: a send stopped by a cancel after its first write, so the slot holds part
    // of the old preset and part of the new.
    bool leftSlotIncomplete() const { return slotLeftIncomplete; }
    // Valid once ended: replies may still be on their way, because requests went out that the
    // device has not answered (yet), or because it answered some request more than once. The next
    // transfer must then wait for the device to fall silent.
    bool mayHaveRepliesOnTheWay() const;
    // Whether it will ever ask the device for a value (a stream of writes does not).
    bool readsFromDevice() const { return plan != Plan::writes; }
    // Whether a request has gone out; a transfer that asked nothing leaves no replies behind.
    bool hasAskedForValues() const;

private:
    enum class Plan
    {
        whole, // a get or send of every position
        check, // a send that begins with the read-back
        writes // a stream of writes
    };

    enum class Outcome
    {
        complete,
        incomplete,
        aborted
    };

    PresetTransfer (Kind kind, Plan plan, const Settings& settings, Payload payload, std::vector<int> positions = {});

    Outcome write (Link& link, const std::vector<int>& positions);
    Outcome read (Link& link, const std::vector<int>& positions);
    bool waitForReplies (Link& link, int expected, bool lastPass);
    bool commitToWrite();
    bool stillGoing (Link& link);
    void runGet (Link& link);
    void runSend (Link& link);
    void runWrites (Link& link);
    void end (Phase phase, Failure reason = Failure::none, std::vector<int> positions = {});
    void setProgress (Phase phase, int done, int total);

    const Kind kind;
    const Plan plan;
    const Settings settings;
    const Payload payload;                 // what a send writes
    const std::vector<int> firstPositions; // what a check reads back first
    std::shared_ptr<ValueSource> source;   // what a stream of writes writes

    std::atomic<bool> cancelled { false };
    std::atomic<Phase> phase { Phase::waiting };
    std::atomic<int> done { 0 }, total { 0 };
    std::atomic<bool> behindOthers { false };

    // Replies of the read in progress, shared with the input thread. `unanswered` counts, per
    // position, the requests of the whole transfer that no reply has answered yet.
    mutable std::mutex replyLock;
    std::condition_variable replyArrived;
    std::vector<bool> wanted, requested, answered;
    std::vector<int> unanswered;
    Payload values;
    int answeredCount = 0, repliesThisPass = 0;
    bool repeatedReplies = false; // a reply came for a position with no request left unanswered
    std::chrono::steady_clock::time_point lastReplyTime;
    bool writeBegun = false; // under replyLock, so that a cancel and the first write never cross

    Payload received;
    Failure failure = Failure::none;
    std::vector<int> failedPositions;
    bool slotLeftIncomplete = false;
};
