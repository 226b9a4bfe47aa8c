#include "midi/MessagePacer.h"

#include <algorithm>
#include <thread>

bool MessagePacer::sendPaced (int gapMs, const std::function<bool()>& send)
{
    const std::lock_guard<std::mutex> guard (lock);

    waitUntil (lastSent + std::chrono::milliseconds (std::max (gapMs, lastGapMs)));
    const bool sent = send();
    lastSent = Clock::now();
    lastGapMs = gapMs;
    return sent;
}

void MessagePacer::waitUntil (Clock::time_point target)
{
    // The scheduler may wake a sleeper late by a fraction of a millisecond; over 305 messages
    // that would add up, so the last stretch is waited out by yielding instead.
    constexpr auto margin = std::chrono::microseconds (300);

    if (Clock::now() + margin < target)
        std::this_thread::sleep_until (target - margin);

    while (Clock::now() < target)
        std::this_thread::yield();
}
