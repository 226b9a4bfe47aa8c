#pragma once

#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniProtocol.h"
#include "model/OrbMiniModel.h"
#include "simulator/VirtualMidiPorts.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <vector>

// A simulated OrbMini on a pair of in-memory devices of one name: the editor's output feeds the
// simulator, and the simulator answers on the editor's input. It holds 25 preset slots, answers
// each value request with one value reply from a thread of its own, stores each written value
// and remembers the last sync mode. Faults can be switched on: a reply delay, dropped,
// duplicated or malformed replies, a stall with a backlog of requests answered later, and
// unplugging in the middle of a transfer.
class OrbMiniSimulator
{
public:
    static constexpr int numSlots = 25;
    static constexpr int payloadSize = OrbEditorEngine::orbMiniPayloadSize();
    using Payload = std::vector<std::uint8_t>;

    struct Options
    {
        int replyDelayMs = 0;
        bool dropReplies = false;                     // answer nothing at all
        std::set<int> droppedPositions;               // answer nothing for these positions
        std::set<int> droppedSlots;                   // answer nothing for these slots (from 0)
        bool duplicateReplies = false;                // answer every request twice
        int replyLength = OrbMiniProtocol::replySize; // one byte less or more gives malformed replies
        int unplugAfterMessages = -1;                 // unplug both ports once this many messages arrived
        double replyLossRate = 0.0;                   // share of replies lost at random
        double writeLossRate = 0.0;                   // share of writes ignored at random
        std::set<int> ignoredWritePositions;          // writes to these positions are never stored
        unsigned seed = 1;                            // for the random losses
        int stallAtMessage = -1;                      // the sender is held this long in that message's send
        int stallMs = 0;
        int backlogAtRequest = -1; // from this request on (counted from 1 since the options were set)
                                   // the device stalls: it keeps
        int backlogMs = 0;         // the requests it gets for this long, then answers them all
    };

    struct Arrival
    {
        std::uint8_t command = 0;
        std::chrono::steady_clock::time_point time;
    };

    explicit OrbMiniSimulator (VirtualMidiPorts& ports, const juce::String& deviceName = "OrbMini");
    ~OrbMiniSimulator();

    const juce::String& getDeviceName() const { return name; }
    void setOptions (const Options& newOptions);

    Payload getSlot (int slot) const;
    void setSlot (int slot, const Payload& payload);
    // -1 until a sync mode message arrived, then its mode byte (0 internal, 1 external).
    int getLastSyncMode() const;
    int getNumRequests() const;
    int getNumWrites() const;
    // Every protocol message received since the options were last set, in order.
    std::vector<Arrival> getArrivals() const;

    void unplug();
    void replug();
    bool isPlugged() const;

    // Waits until every reply queued so far has been delivered (or dropped).
    bool waitUntilIdle (int timeoutMs);

    // The reply the device gives for a position, with the length that the options ask for.
    static juce::MidiMessage makeReply (int position, std::uint8_t value, int length = OrbMiniProtocol::replySize);

private:
    struct Job
    {
        enum class Kind
        {
            reply,
            unplug
        } kind;
        int slot = 0, position = 0;
        std::chrono::steady_clock::time_point due;
    };

    void messageArrived (const juce::MidiMessage& message);
    void run();

    VirtualMidiPorts& ports;
    const juce::String name;

    mutable std::mutex stateMutex;
    std::array<Payload, numSlots> slots;
    Options options;
    int lastSyncMode = -1;
    int numRequests = 0, numWrites = 0, numMessages = 0, requestsSinceOptions = 0;
    std::vector<Arrival> arrivals;
    std::mt19937 random;
    bool plugged = false;
    std::chrono::steady_clock::time_point backlogUntil;

    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<Job> jobs;
    bool busy = false, quitting = false;
    std::thread worker;

    JUCE_DECLARE_NON_COPYABLE (OrbMiniSimulator)
};
