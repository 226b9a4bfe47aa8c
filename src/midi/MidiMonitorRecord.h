#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

// The messages that went in and out of the port manager's ports while the MIDI monitor is open:
// the last `capacity` of them, oldest first, each with its time and direction. Filled on the MIDI
// input thread, the transfer thread and the message thread, read by the monitor on the message
// thread. A message is copied into a slot of a ring allocated once, under a lock held only for
// that copy, so recording never allocates and never holds up a transfer's pacing. While nothing
// records, a message costs its sender one relaxed atomic load (isRecording) and nothing else.
class MidiMonitorRecord
{
public:
    static constexpr int capacity = 10000;
    // Every message of the device protocol fits whole. Of a longer one (a preset dump, another
    // device's SysEx) the first bytes are kept with its length.
    static constexpr int maxKeptBytes = 16;

    enum class Direction : std::uint8_t
    {
        in,
        out
    };

    struct Entry
    {
        std::int64_t microseconds = 0; // since recording started
        int size = 0;                  // of the whole message
        Direction direction = Direction::in;
        std::array<std::uint8_t, maxKeptBytes> bytes {};

        std::span<const std::uint8_t> keptBytes() const
        {
            return { bytes.data(), (size_t) std::min (size, maxKeptBytes) };
        }
    };

    // An entry as the record keeps the message.
    static Entry makeEntry (Direction direction, const std::uint8_t* data, int size, std::int64_t microseconds);
    static Entry makeEntry (Direction direction, const juce::MidiMessage& message, std::int64_t microseconds);

    MidiMonitorRecord() = default;

    // Empties the record and starts recording; times count from now.
    void start();
    // Nothing more is recorded, and the ring is let go.
    void stop();
    bool isRecording() const noexcept { return recording.load (std::memory_order_relaxed); }

    // Any thread; does nothing while not recording.
    void add (Direction direction, const juce::MidiMessage& message);
    void add (Direction direction, const std::uint8_t* data, int size);

    // Appends the messages from number `next` on (counted from 0 since start), oldest first, and
    // moves `next` past the last one. Messages the ring has dropped meanwhile are skipped.
    void readFrom (std::uint64_t& next, std::vector<Entry>& into) const;
    // Messages recorded since start, those the ring has dropped included.
    std::uint64_t getNumRecorded() const;

private:
    using Clock = std::chrono::steady_clock;

    std::atomic<bool> recording { false };
    mutable std::mutex lock;
    std::vector<Entry> ring; // `capacity` entries while recording, none otherwise
    std::uint64_t numRecorded = 0;
    Clock::time_point origin;

    JUCE_DECLARE_NON_COPYABLE (MidiMonitorRecord)
};
