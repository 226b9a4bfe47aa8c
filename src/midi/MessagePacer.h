#pragma once

#include <chrono>
#include <functional>
#include <mutex>

// Keeps a minimum gap between consecutive messages to the device, measured from the end of one
// send to the start of the next, whatever stalls happen in between. After a stall the next
// message simply goes out at once and the one after it waits its full gap again: a backlog is
// never sent as a burst. The gap before a message is the larger of its own and its
// predecessor's, so a slow write is never crowded by a quick request.
class MessagePacer
{
public:
    using Clock = std::chrono::steady_clock;

    // Waits for the gap, then runs send; returns what send returned.
    bool sendPaced (int gapMs, const std::function<bool()>& send);

private:
    static void waitUntil (Clock::time_point target);

    std::mutex lock;
    Clock::time_point lastSent {};
    int lastGapMs = 0;
};
