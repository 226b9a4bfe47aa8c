#include "midi/PresetTransfer.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace
{
std::vector<int> allPositions (int count)
{
    std::vector<int> positions ((size_t) count);
    std::iota (positions.begin(), positions.end(), 0);
    return positions;
}

// How often a wait for replies looks at the link and the cancel flag.
constexpr auto linkCheckInterval = std::chrono::milliseconds (20);
} // namespace

std::shared_ptr<PresetTransfer> PresetTransfer::makeGet (const Settings& settings)
{
    return std::shared_ptr<PresetTransfer> (new PresetTransfer (Kind::get, Plan::whole, settings, {}));
}

std::shared_ptr<PresetTransfer> PresetTransfer::makeSend (const Settings& settings, Payload payload)
{
    payload.resize ((size_t) settings.payloadSize);
    return std::shared_ptr<PresetTransfer> (
        new PresetTransfer (Kind::send, Plan::whole, settings, std::move (payload)));
}

std::shared_ptr<PresetTransfer> PresetTransfer::makeWrites (const Settings& settings,
                                                            std::shared_ptr<ValueSource> source)
{
    std::shared_ptr<PresetTransfer> transfer (new PresetTransfer (Kind::send, Plan::writes, settings, {}));
    transfer->source = std::move (source);
    return transfer;
}

std::shared_ptr<PresetTransfer> PresetTransfer::makeCheck (const Settings& settings, Payload expected,
                                                           std::vector<int> positions)
{
    expected.resize ((size_t) settings.payloadSize);
    std::erase_if (positions, [&] (int p) { return ! juce::isPositiveAndBelow (p, settings.payloadSize); });
    return std::shared_ptr<PresetTransfer> (
        new PresetTransfer (Kind::send, Plan::check, settings, std::move (expected), std::move (positions)));
}

PresetTransfer::PresetTransfer (Kind k, Plan pl, const Settings& s, Payload p, std::vector<int> positions)
    : kind (k), plan (pl), settings (s), payload (std::move (p)), firstPositions (std::move (positions))
{
    total = plan == Plan::whole ? settings.payloadSize : (int) firstPositions.size();
}

void PresetTransfer::run (Link& link)
{
    if (cancelled)
        return end (Phase::cancelled);

    if (kind == Kind::get)
        runGet (link);
    else if (plan == Plan::writes)
        runWrites (link);
    else
        runSend (link);
}

void PresetTransfer::runGet (Link& link)
{
    setProgress (Phase::getting, 0, settings.payloadSize);
    const auto outcome = read (link, allPositions (settings.payloadSize));

    if (outcome == Outcome::complete)
    {
        {
            const std::lock_guard<std::mutex> guard (replyLock);
            received = values;
        }
        end (Phase::succeeded);
    }
}

void PresetTransfer::runSend (Link& link)
{
    auto positions = plan == Plan::check ? firstPositions : allPositions (settings.payloadSize);

    for (int round = 0;; ++round)
    {
        // A check's values were written before it: it begins with the read-back.
        if (plan != Plan::check || round > 0)
        {
            setProgress (Phase::sending, 0, (int) positions.size());
            if (write (link, positions) != Outcome::complete)
                return;
        }

        setProgress (Phase::checking, 0, (int) positions.size());
        if (read (link, positions) != Outcome::complete)
            return;

        std::vector<int> differing;
        {
            const std::lock_guard<std::mutex> guard (replyLock);
            for (auto p : positions)
                if (values[(size_t) p] != payload[(size_t) p])
                    differing.push_back (p);
        }

        if (differing.empty())
            return end (Phase::succeeded);

        if (round == settings.maxRewrites)
            return end (Phase::failed, Failure::valuesDiffer, differing);

        positions = differing;
    }
}

void PresetTransfer::runWrites (Link& link)
{
    setProgress (Phase::sending, 0, 0);
    int written = 0;

    // Each value is taken only once its gap has passed, so that the write carries the newest one;
    // a value still in the source is not lost to a cancel.
    while (stillGoing (link) && commitToWrite())
    {
        bool took = false;
        const bool sent = link.sendNextPaced (settings.writeGapMs, [this, &took]() -> std::optional<juce::MidiMessage> {
            const auto next = source->takeNext();
            if (! next)
                return std::nullopt;

            took = true;
            return OrbMiniProtocol::makeValueWrite (settings.modelByte, settings.slot, next->position, next->value);
        });

        if (! took)
            return end (Phase::succeeded);
        if (! sent)
            return end (Phase::failed, Failure::disconnected);

        ++written;
        total = written;
        done = written;
    }
}

bool PresetTransfer::stillGoing (Link& link)
{
    if (cancelled)
    {
        end (Phase::cancelled);
        return false;
    }

    if (! link.isUp())
    {
        end (Phase::failed, Failure::disconnected);
        return false;
    }

    return true;
}

PresetTransfer::Outcome PresetTransfer::write (Link& link, const std::vector<int>& positions)
{
    int written = 0;

    for (auto p : positions)
    {
        if (! stillGoing (link) || ! commitToWrite())
            return Outcome::aborted;

        const auto message =
            OrbMiniProtocol::makeValueWrite (settings.modelByte, settings.slot, p, payload[(size_t) p]);

        if (! link.sendPaced (message, settings.writeGapMs))
        {
            end (Phase::failed, Failure::disconnected);
            return Outcome::aborted;
        }

        done = ++written;
    }

    return Outcome::complete;
}

bool PresetTransfer::commitToWrite()
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        if (! cancelled)
        {
            writeBegun = true;
            return true;
        }
    }

    end (Phase::cancelled);
    return false;
}

PresetTransfer::Outcome PresetTransfer::read (Link& link, const std::vector<int>& positions)
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        wanted.assign ((size_t) settings.payloadSize, false);
        requested.assign ((size_t) settings.payloadSize, false);
        answered.assign ((size_t) settings.payloadSize, false);
        values.assign ((size_t) settings.payloadSize, 0);
        answeredCount = 0;
        unanswered.resize ((size_t) settings.payloadSize, 0);

        for (auto p : positions)
            wanted[(size_t) p] = true;
    }

    const int expected = (int) positions.size();

    // Each pass asks only for what has not answered yet; what earlier passes collected is kept.
    for (int pass = 0; pass < settings.maxPasses; ++pass)
    {
        {
            const std::lock_guard<std::mutex> guard (replyLock);
            repliesThisPass = 0;
        }

        for (auto p : positions)
        {
            if (! stillGoing (link))
                return Outcome::aborted;

            {
                const std::lock_guard<std::mutex> guard (replyLock);
                if (answered[(size_t) p])
                    continue;
                // Before sending: the reply may be quick.
                requested[(size_t) p] = true;
                ++unanswered[(size_t) p];
            }

            if (! link.sendPaced (OrbMiniProtocol::makeValueRequest (settings.modelByte, settings.slot, p),
                                  settings.requestGapMs))
            {
                end (Phase::failed, Failure::disconnected);
                return Outcome::aborted;
            }
        }

        if (waitForReplies (link, expected, pass == settings.maxPasses - 1))
            return Outcome::complete;

        if (! stillGoing (link))
            return Outcome::aborted;
    }

    std::vector<int> missing;
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        for (auto p : positions)
            if (! answered[(size_t) p])
                missing.push_back (p);
    }

    end (Phase::failed, Failure::valuesMissing, missing);
    return Outcome::incomplete;
}

bool PresetTransfer::waitForReplies (Link& link, int expected, bool lastPass)
{
    using Clock = std::chrono::steady_clock;
    const auto passSent = Clock::now();
    const auto deadline = passSent + std::chrono::milliseconds (settings.replyTimeoutMs);
    const auto silence = std::chrono::milliseconds (settings.askAgainAfterSilenceMs);
    std::unique_lock<std::mutex> guard (replyLock);

    for (;;)
    {
        if (answeredCount == expected)
            return true;

        // A device that answers but lost some replies is asked again as soon as its replies stop;
        // a silent one gets the whole reply time, and so does the last pass.
        auto until = deadline;
        if (repliesThisPass > 0 && ! lastPass)
            until = std::min (deadline, std::max (passSent, lastReplyTime) + silence);

        const auto now = Clock::now();
        if (now >= until || cancelled)
            return false;

        replyArrived.wait_until (guard, std::min (until, now + linkCheckInterval));

        if (answeredCount < expected && ! cancelled)
        {
            guard.unlock();
            const bool up = link.isUp();
            guard.lock();
            if (! up)
                return false;
        }
    }
}

void PresetTransfer::deliverReply (const OrbMiniProtocol::Reply& reply)
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        const auto p = (size_t) reply.position;

        if (p < unanswered.size())
        {
            if (unanswered[p] > 0)
                --unanswered[p];
            else
                repeatedReplies = true;
        }

        if (p >= wanted.size() || ! wanted[p] || ! requested[p])
            return;

        ++repliesThisPass;
        lastReplyTime = std::chrono::steady_clock::now();

        // A repeated reply takes the newer value but counts once.
        values[p] = reply.value;
        if (answered[p])
            return;

        answered[p] = true;
        done = ++answeredCount;
    }

    replyArrived.notify_all();
}

void PresetTransfer::cancel()
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        cancelled = true;
    }
    replyArrived.notify_all();
}

bool PresetTransfer::cancelUnlessWriting()
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        if (writeBegun && ! hasEnded())
            return false;
        cancelled = true;
    }
    replyArrived.notify_all();
    return true;
}

bool PresetTransfer::isWritingSlot() const
{
    const std::lock_guard<std::mutex> guard (replyLock);
    return writeBegun && ! hasEnded();
}

bool PresetTransfer::mayHaveRepliesOnTheWay() const
{
    const std::lock_guard<std::mutex> guard (replyLock);
    return repeatedReplies || std::any_of (unanswered.begin(), unanswered.end(), [] (int n) { return n > 0; });
}

bool PresetTransfer::hasAskedForValues() const
{
    const std::lock_guard<std::mutex> guard (replyLock);
    return std::find (requested.begin(), requested.end(), true) != requested.end();
}

void PresetTransfer::finishWithout (Failure reason)
{
    end (reason == Failure::none ? Phase::cancelled : Phase::failed, reason);
}

PresetTransfer::Progress PresetTransfer::getProgress() const
{
    auto current = phase.load();

    // The user's cancel wins over a get that completed meanwhile: its preset is never applied.
    if (current == Phase::succeeded && kind == Kind::get && cancelled)
        current = Phase::cancelled;

    return { current, done.load(), total.load(), current == Phase::waiting && behindOthers.load() };
}

bool PresetTransfer::hasEnded() const
{
    const auto p = phase.load();
    return p == Phase::succeeded || p == Phase::failed || p == Phase::cancelled;
}

void PresetTransfer::setProgress (Phase newPhase, int newDone, int newTotal)
{
    total = newTotal;
    done = newDone;
    phase = newPhase;
}

void PresetTransfer::end (Phase finalPhase, Failure reason, std::vector<int> positions)
{
    failure = reason;
    failedPositions = std::move (positions);
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        slotLeftIncomplete = finalPhase == Phase::cancelled && writeBegun;
        phase = finalPhase;
    }
}
