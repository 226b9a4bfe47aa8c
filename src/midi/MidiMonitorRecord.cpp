#include "midi/MidiMonitorRecord.h"

#include <algorithm>

MidiMonitorRecord::Entry MidiMonitorRecord::makeEntry (Direction direction, const std::uint8_t* data, int size,
                                                       std::int64_t microseconds)
{
    Entry entry;
    entry.microseconds = microseconds;
    entry.size = std::max (0, size);
    entry.direction = direction;
    std::copy_n (data, std::min (entry.size, maxKeptBytes), entry.bytes.begin());
    return entry;
}

MidiMonitorRecord::Entry MidiMonitorRecord::makeEntry (Direction direction, const juce::MidiMessage& message,
                                                       std::int64_t microseconds)
{
    return makeEntry (direction, message.getRawData(), message.getRawDataSize(), microseconds);
}

void MidiMonitorRecord::start()
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        ring.assign ((size_t) capacity, Entry {});
        numRecorded = 0;
        origin = Clock::now();
    }

    recording.store (true, std::memory_order_relaxed);
}

void MidiMonitorRecord::stop()
{
    recording.store (false, std::memory_order_relaxed);

    std::vector<Entry> released;
    const std::lock_guard<std::mutex> guard (lock);
    ring.swap (released);
    numRecorded = 0;
}

void MidiMonitorRecord::add (Direction direction, const juce::MidiMessage& message)
{
    add (direction, message.getRawData(), message.getRawDataSize());
}

void MidiMonitorRecord::add (Direction direction, const std::uint8_t* data, int size)
{
    if (! isRecording())
        return;

    const std::lock_guard<std::mutex> guard (lock);

    // Stopped since the look above.
    if (ring.empty())
        return;

    // The clock is read under the lock, so that times never run backwards down the record.
    const auto microseconds = std::chrono::duration_cast<std::chrono::microseconds> (Clock::now() - origin).count();
    ring[(size_t) (numRecorded % (std::uint64_t) capacity)] = makeEntry (direction, data, size, microseconds);
    ++numRecorded;
}

void MidiMonitorRecord::readFrom (std::uint64_t& next, std::vector<Entry>& into) const
{
    const std::lock_guard<std::mutex> guard (lock);

    if (ring.empty())
        return;

    const auto oldestKept = numRecorded > (std::uint64_t) capacity ? numRecorded - (std::uint64_t) capacity : 0;
    next = std::max (next, oldestKept);
    into.reserve (into.size() + (size_t) (numRecorded - std::min (next, numRecorded)));

    for (; next < numRecorded; ++next)
        into.push_back (ring[(size_t) (next % (std::uint64_t) capacity)]);
}

std::uint64_t MidiMonitorRecord::getNumRecorded() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return numRecorded;
}
