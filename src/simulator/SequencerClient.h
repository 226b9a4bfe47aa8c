#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

// The process's one client of the Linux MIDI sequencer, as the framework's Linux backend keeps it:
// every port the process opens is a port of this client, and one input thread reads the events of
// all its input ports. The thread starts when the count of started inputs goes from 0 to 1 and is
// told to exit when it goes back to 0; it notices only when its 100 ms poll returns, and until it has
// really ended a new start is refused, so inputs started meanwhile are never read. Events wait in
// the client's queue while no thread reads them.
class SequencerClient
{
public:
    // An input port of the client, handed the events addressed to it on the input thread.
    class Receiver
    {
    public:
        virtual ~Receiver() = default;
        // True when the port's callback took the message (it was started).
        virtual bool receive (const juce::MidiMessage& message) = 0;
    };

    // The events of one delivery, and how they ended: read and taken, read by a stopped port,
    // dropped, or left unread because no thread was reading.
    class Delivery
    {
    public:
        void expectOne();
        void settle (bool taken);
        // The number of events a port took, once every event settled (or the time is up).
        int waitUntilSettled (int timeoutMs);

    private:
        std::mutex mutex;
        std::condition_variable settled;
        int pending = 0, taken = 0;
    };

    // The framework's poll; tests that must win every race against it may make it longer.
    static constexpr int defaultPollTimeoutMs = 100;

    explicit SequencerClient (int pollTimeoutMs = defaultPollTimeoutMs) : pollMs (pollTimeoutMs) {}
    // Stops the input thread, waiting for it as the framework does.
    ~SequencerClient();

    int createPort (Receiver& receiver);
    // Waits for an event being handed to that port.
    void deletePort (int portId);

    // A port's callback was enabled or disabled.
    void registerCallback();
    void unregisterCallback();

    // An event from a connected device reaches the client's queue for the port.
    void post (int portId, const juce::MidiMessage& message, std::shared_ptr<Delivery> delivery);

private:
    struct Event
    {
        int portId;
        juce::MidiMessage message;
        std::shared_ptr<Delivery> delivery;
    };

    class InputThread : public juce::Thread
    {
    public:
        explicit InputThread (SequencerClient& c) : juce::Thread ("Sequencer MIDI Input"), client (c) {}
        void run() override;

    private:
        SequencerClient& client;
    };

    void hand (Event& event);
    void threadStarted();
    void threadEnded();

    const int pollMs;
    juce::CriticalSection callbackLock;
    std::map<int, Receiver*> ports;
    int nextPortId = 0;
    std::atomic<int> activeCallbacks { 0 };
    std::unique_ptr<InputThread> inputThread;

    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<Event> queue;
    bool reading = false;

    JUCE_DECLARE_NON_COPYABLE (SequencerClient)
};
