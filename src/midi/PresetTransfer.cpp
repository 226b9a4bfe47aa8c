#include "midi/PresetTransfer.h"

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
    return std::shared_ptr<PresetTransfer> (new PresetTransfer (Kind::get, settings, {}));
}

std::shared_ptr<PresetTransfer> PresetTransfer::makeSend (const Settings& settings, Payload payload)
{
    payload.resize ((size_t) settings.payloadSize);
    return std::shared_ptr<PresetTransfer> (new PresetTransfer (Kind::send, settings, std::move (payload)));
}

PresetTransfer::PresetTransfer (Kind k, const Settings& s, Payload p) : kind (k), settings (s), payload (std::move (p))
{
    total = settings.payloadSize;
}

void PresetTransfer::run (Link& link)
{
    if (cancelled)
        return end (Phase::cancelled);

    if (kind == Kind::get)
        runGet (link);
    else
        runSend (link);
}

void PresetTransfer::runGet (Link& link)
{
    setProgress (Phase::getting, 0, settings.payloadSize);
    const auto outcome = read (link, allPositions (settings.payloadSize));

    if (outcome == Outcome::complete)
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        received = values;
        end (Phase::succeeded);
    }
}

void PresetTransfer::runSend (Link& link)
{
    auto positions = allPositions (settings.payloadSize);

    for (int round = 0;; ++round)
    {
        setProgress (Phase::sending, 0, (int) positions.size());
        if (write (link, positions) != Outcome::complete)
            return;

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
        if (! stillGoing (link))
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

PresetTransfer::Outcome PresetTransfer::read (Link& link, const std::vector<int>& positions)
{
    {
        const std::lock_guard<std::mutex> guard (replyLock);
        wanted.assign ((size_t) settings.payloadSize, false);
        requested.assign ((size_t) settings.payloadSize, false);
        answered.assign ((size_t) settings.payloadSize, false);
        values.assign ((size_t) settings.payloadSize, 0);
        answeredCount = 0;

        for (auto p : positions)
            wanted[(size_t) p] = true;
    }

    const int expected = (int) positions.size();

    // Each pass asks only for what has not answered yet; what earlier passes collected is kept.
    for (int pass = 0; pass < settings.maxPasses; ++pass)
    {
        for (auto p : positions)
        {
            if (! stillGoing (link))
                return Outcome::aborted;

            {
                const std::lock_guard<std::mutex> guard (replyLock);
                if (answered[(size_t) p])
                    continue;
                requested[(size_t) p] = true; // before sending: the reply may be quick
            }

            if (! link.sendPaced (OrbMiniProtocol::makeValueRequest (settings.modelByte, settings.slot, p),
                                  settings.requestGapMs))
            {
                end (Phase::failed, Failure::disconnected);
                return Outcome::aborted;
            }
        }

        if (waitForReplies (link, expected))
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

bool PresetTransfer::waitForReplies (Link& link, int expected)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (settings.replyTimeoutMs);
    std::unique_lock<std::mutex> guard (replyLock);

    for (;;)
    {
        if (answeredCount == expected)
            return true;

        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline || cancelled)
            return false;

        replyArrived.wait_until (guard, std::min (deadline, now + linkCheckInterval));

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

        if (p >= wanted.size() || ! wanted[p] || ! requested[p])
            return;

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

void PresetTransfer::finishWithout (Failure reason)
{
    end (reason == Failure::none ? Phase::cancelled : Phase::failed, reason);
}

PresetTransfer::Progress PresetTransfer::getProgress() const
{
    const auto current = phase.load();
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
    phase = finalPhase;
}
