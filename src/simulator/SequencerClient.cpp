#include "simulator/SequencerClient.h"

#include <chrono>

void SequencerClient::Delivery::expectOne()
{
    const std::lock_guard<std::mutex> lg (mutex);
    ++pending;
}

void SequencerClient::Delivery::settle (bool wasTaken)
{
    {
        const std::lock_guard<std::mutex> lg (mutex);
        --pending;
        if (wasTaken)
            ++taken;
    }
    settled.notify_all();
}

int SequencerClient::Delivery::waitUntilSettled (int timeoutMs)
{
    std::unique_lock<std::mutex> lock (mutex);
    settled.wait_for (lock, std::chrono::milliseconds (timeoutMs), [this] { return pending <= 0; });
    return taken;
}

SequencerClient::~SequencerClient()
{
    if (inputThread != nullptr)
        inputThread->stopThread (3000);

    // Closing the client drops what nobody read.
    const std::lock_guard<std::mutex> lg (queueMutex);
    for (auto& event : queue)
        if (event.delivery != nullptr)
            event.delivery->settle (false);
    queue.clear();
}

int SequencerClient::createPort (Receiver& receiver)
{
    const juce::ScopedLock sl (callbackLock);
    const int id = nextPortId++;
    ports[id] = &receiver;
    return id;
}

void SequencerClient::deletePort (int portId)
{
    const juce::ScopedLock sl (callbackLock);
    ports.erase (portId);
}

// As the framework counts: the thread is made once and started at 0 -> 1, which does nothing
// while the previous run of the thread has not ended yet. A start that took means the previous
// run is over, so it cannot mark the queue unread after this.
void SequencerClient::registerCallback()
{
    if (inputThread == nullptr)
        inputThread = std::make_unique<InputThread> (*this);

    if (++activeCallbacks == 1 && inputThread->startThread())
        threadStarted();
}

void SequencerClient::unregisterCallback()
{
    if (--activeCallbacks == 0 && inputThread->isThreadRunning())
        inputThread->signalThreadShouldExit();
}

void SequencerClient::post (int portId, const juce::MidiMessage& message, std::shared_ptr<Delivery> delivery)
{
    {
        const std::lock_guard<std::mutex> lg (queueMutex);
        if (delivery != nullptr)
        {
            delivery->expectOne();
            // Nobody reads it now; it stays queued for a thread started later.
            if (! reading)
                delivery->settle (false);
        }
        queue.push_back ({ portId, message, reading ? delivery : nullptr });
    }
    queueChanged.notify_all();
}

void SequencerClient::hand (Event& event)
{
    bool taken = false;
    {
        const juce::ScopedLock sl (callbackLock);
        if (auto it = ports.find (event.portId); it != ports.end())
            taken = it->second->receive (event.message);
    }

    if (event.delivery != nullptr)
        event.delivery->settle (taken);
}

void SequencerClient::threadStarted()
{
    const std::lock_guard<std::mutex> lg (queueMutex);
    reading = true;
}

void SequencerClient::threadEnded()
{
    const std::lock_guard<std::mutex> lg (queueMutex);
    reading = false;
    // What is still queued waits for the next thread; whoever waits for it is told now.
    for (auto& event : queue)
        if (auto delivery = std::exchange (event.delivery, nullptr))
            delivery->settle (false);
}

// The framework's loop: poll for 100 ms, and look at the exit flag only when the poll returns.
void SequencerClient::InputThread::run()
{
    while (! threadShouldExit())
    {
        std::unique_lock<std::mutex> lock (client.queueMutex);
        if (! client.queueChanged.wait_for (lock, std::chrono::milliseconds (client.pollMs),
                                            [this] { return ! client.queue.empty(); }))
            continue;

        if (threadShouldExit())
            break;

        while (! client.queue.empty())
        {
            auto event = std::move (client.queue.front());
            client.queue.pop_front();
            lock.unlock();
            client.hand (event);
            lock.lock();
        }
    }

    client.threadEnded();
}
