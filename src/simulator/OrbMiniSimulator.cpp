#include "simulator/OrbMiniSimulator.h"

#include "midi/OrbMiniProtocol.h"
#include "model/OrbMiniModel.h"

#include <algorithm>

namespace
{
using Protocol = OrbMiniProtocol;
constexpr auto requestCommand = Protocol::requestCommand, writeCommand = Protocol::writeCommand,
               syncCommand = Protocol::syncCommand;
} // namespace

OrbMiniSimulator::OrbMiniSimulator (VirtualMidiPorts& p, const juce::String& deviceName) : ports (p), name (deviceName)
{
    // Every slot starts with its own recognisable 7-bit pattern.
    for (int s = 0; s < numSlots; ++s)
    {
        slots[(size_t) s].resize (payloadSize);
        for (int i = 0; i < payloadSize; ++i)
            slots[(size_t) s][(size_t) i] = (std::uint8_t) ((s * 31 + i * 7 + 1) % 128);
    }

    worker = std::thread ([this] { run(); });
    ports.setOutputObserver (name, [this] (const juce::MidiMessage& m) { messageArrived (m); });
    replug();
}

OrbMiniSimulator::~OrbMiniSimulator()
{
    ports.setOutputObserver (name, nullptr);
    {
        const std::lock_guard<std::mutex> lg (queueMutex);
        quitting = true;
    }
    queueChanged.notify_all();
    worker.join();
}

void OrbMiniSimulator::setOptions (const Options& newOptions)
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    options = newOptions;
    numMessages = requestsSinceOptions = 0;
    backlogUntil = {};
    arrivals.clear();
    random.seed (options.seed);
}

OrbMiniSimulator::Payload OrbMiniSimulator::getSlot (int slot) const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return juce::isPositiveAndBelow (slot, numSlots) ? slots[(size_t) slot] : Payload {};
}

void OrbMiniSimulator::setSlot (int slot, const Payload& payload)
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    if (juce::isPositiveAndBelow (slot, numSlots))
    {
        slots[(size_t) slot] = payload;
        slots[(size_t) slot].resize (payloadSize);
    }
}

int OrbMiniSimulator::getLastSyncMode() const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return lastSyncMode;
}

int OrbMiniSimulator::getNumRequests() const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return numRequests;
}

int OrbMiniSimulator::getNumWrites() const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return numWrites;
}

std::vector<OrbMiniSimulator::Arrival> OrbMiniSimulator::getArrivals() const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return arrivals;
}

void OrbMiniSimulator::unplug()
{
    {
        const std::lock_guard<std::mutex> lg (stateMutex);
        if (! plugged)
            return;
        plugged = false;
    }
    ports.removeInput (name);
    ports.removeOutput (name);
}

void OrbMiniSimulator::replug()
{
    {
        const std::lock_guard<std::mutex> lg (stateMutex);
        if (plugged)
            return;
        plugged = true;
    }
    ports.addInput (name);
    ports.addOutput (name);
}

bool OrbMiniSimulator::isPlugged() const
{
    const std::lock_guard<std::mutex> lg (stateMutex);
    return plugged;
}

bool OrbMiniSimulator::waitUntilIdle (int timeoutMs)
{
    std::unique_lock<std::mutex> lock (queueMutex);
    return queueChanged.wait_for (lock, std::chrono::milliseconds (timeoutMs),
                                  [this] { return jobs.empty() && ! busy; });
}

juce::MidiMessage OrbMiniSimulator::makeReply (int position, std::uint8_t value, int length)
{
    const auto reply = Protocol::makeMessage (OrbMiniModel::modelByte, Protocol::replyCommand, 0x00, 0x00,
                                              { Protocol::high (position), Protocol::low (position), value });
    std::vector<std::uint8_t> bytes (reply.getRawData(), reply.getRawData() + reply.getRawDataSize() - 1);
    bytes.resize ((size_t) juce::jmax (10, length - 1), 0x00);
    bytes.push_back (Protocol::endByte);
    return juce::MidiMessage (bytes.data(), (int) bytes.size());
}

// Called on the sender's thread (the editor's transfer thread) for every message the editor's
// output accepted; answers are queued for the simulator's own thread.
void OrbMiniSimulator::messageArrived (const juce::MidiMessage& message)
{
    const auto* data = message.getRawData();
    const int size = message.getRawDataSize();
    if (size < Protocol::syncSize || ! std::equal (Protocol::header.begin(), Protocol::header.end() - 1, data))
        return;

    std::unique_lock<std::mutex> state (stateMutex);
    ++numMessages;
    const auto command = data[Protocol::commandIndex];
    const auto* body = data + Protocol::bodyIndex;
    arrivals.push_back ({ command, std::chrono::steady_clock::now() });
    const bool unplugNow = numMessages == options.unplugAfterMessages;
    const int stallMs = numMessages == options.stallAtMessage ? options.stallMs : 0;
    std::uniform_real_distribution<double> chance (0.0, 1.0);

    Job job { Job::Kind::reply, 0, 0, {} };
    bool queueReply = false;

    if (command == requestCommand && size == Protocol::requestSize)
    {
        ++numRequests;
        ++requestsSinceOptions;
        job.slot = body[0];
        job.position = Protocol::positionFrom (body[1], body[2]);
        const auto now = std::chrono::steady_clock::now();
        if (requestsSinceOptions == options.backlogAtRequest)
            backlogUntil = now + std::chrono::milliseconds (options.backlogMs);
        job.due = std::max (now + std::chrono::milliseconds (options.replyDelayMs), backlogUntil);
        queueReply = ! options.dropReplies && options.droppedPositions.count (job.position) == 0
                     && options.droppedSlots.count (job.slot) == 0
                     && ! (options.replyLossRate > 0.0 && chance (random) < options.replyLossRate);
    }
    else if (command == writeCommand && size == Protocol::writeSize)
    {
        ++numWrites;
        const int slot = body[0], position = Protocol::positionFrom (body[1], body[2]);
        const bool lost = options.ignoredWritePositions.count (position) != 0
                          || (options.writeLossRate > 0.0 && chance (random) < options.writeLossRate);
        if (slot < numSlots && position < payloadSize && ! lost)
            slots[(size_t) slot][(size_t) position] = body[3];
    }
    else if (command == syncCommand && size == Protocol::syncSize)
    {
        lastSyncMode = body[1];
    }
    state.unlock();

    // Holds the sender as a stalled process or driver would.
    if (stallMs > 0)
        std::this_thread::sleep_for (std::chrono::milliseconds (stallMs));

    if (! queueReply && ! unplugNow)
        return;

    {
        const std::lock_guard<std::mutex> lg (queueMutex);
        if (queueReply)
            jobs.push_back (job);
        if (unplugNow)
            jobs.push_back ({ Job::Kind::unplug, 0, 0, {} });
    }
    queueChanged.notify_all();
}

void OrbMiniSimulator::run()
{
    std::unique_lock<std::mutex> lock (queueMutex);
    for (;;)
    {
        queueChanged.wait (lock, [this] { return quitting || ! jobs.empty(); });
        if (quitting)
            return;

        const auto job = jobs.front();
        if (job.kind == Job::Kind::reply && std::chrono::steady_clock::now() < job.due)
        {
            queueChanged.wait_until (lock, job.due, [this] { return quitting; });
            continue;
        }

        jobs.pop_front();
        busy = true;
        lock.unlock();

        if (job.kind == Job::Kind::unplug)
        {
            unplug();
        }
        else
        {
            std::unique_lock<std::mutex> state (stateMutex);
            const auto value = job.slot < numSlots && job.position < payloadSize
                                   ? slots[(size_t) job.slot][(size_t) job.position]
                                   : std::uint8_t (0);
            const int length = options.replyLength;
            const bool twice = options.duplicateReplies;
            state.unlock();

            const auto reply = makeReply (job.position, value, length);
            ports.deliverNow (name, reply);
            if (twice)
                ports.deliverNow (name, reply);
        }

        lock.lock();
        busy = false;
        queueChanged.notify_all();
    }
}
