#pragma once

#include "midi/OrbEditorEngine.h"
#include "midi/PresetTransfer.h"

#include <juce_events/juce_events.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

// Live editing of one hardware slot by one engine: once the whole preset has been sent there
// (with its read-back), every change of the preset (an edit, a paste, undo, a load) writes only
// the positions that changed. The writes are jobs of the port manager's transfer queue, so they
// take their turn with every window's transfers and keep the pacing; while a job waits or runs,
// a newer value of a position replaces the pending one, so a burst of changes costs no more writes
// than the pace allows. Once the edits have been quiet for a moment the written positions are read back
// and those that differ written again. A failure, a port that vanished or changed, or a get into
// the engine ends it. Message thread only.
class LiveEditSession : private OrbEditorEngine::TransferListener, private juce::Timer
{
public:
    // Told when live editing starts or ends, and when its status text changes.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void liveEditChanged() = 0;
    };

    // The positions waiting to be written, each with its latest value, handed out in the order
    // they first changed (a knob being dragged does not hold back another one). Any thread.
    class PendingWrites : public PresetTransfer::ValueSource
    {
    public:
        void put (int position, std::uint8_t value);
        std::optional<PresetTransfer::PositionValue> takeNext() override;
        bool isEmpty() const;
        void clear();

    private:
        mutable std::mutex lock;
        std::deque<int> order;
        std::map<int, std::uint8_t> values;
    };

    explicit LiveEditSession (OrbEditorEngine& engine);
    ~LiveEditSession() override;

    // Sends the whole preset to the slot (index 0 to 23), after which edits go live. False when it
    // cannot start: live already, a get or send of the engine running, no port (the engine then
    // reports the failed send as any send's).
    bool start (std::uint8_t slotIndex);
    // Turns live editing off: later edits stay in the editor. Values already changed are still
    // written and checked, at once; a first send that has not begun writing is cancelled.
    void stop();
    // Closing and quitting: stops, and tells whether nothing is left to write or check.
    bool stopUnlessWriting();
    // Ends at once and cancels whatever is left, even mid-write.
    void cancel();

    // Live, from the start of the first send until it ends.
    bool isOn() const { return state != State::off; }
    // Whether writes or their check are still to come (after stop too).
    bool hasWorkLeft() const;
    // Whether the last live editing ended in a failure.
    bool hasFailed() const { return failed; }
    // The slot live editing goes to, or went to last (1 to 24); 0 before the first start.
    int getSlotNumber() const { return slotNumber; }
    // The slot last got from or sent to (1 to 24), 0 when none.
    int getLinkedSlotNumber() const { return linkedSlotNumber; }
    // "Live: Slot 3", its first send's progress, or why it ended ("Slot 3: 2 values not
    // confirmed"); empty when off for no reason worth saying.
    const juce::String& getStatusText() const { return statusText; }

    // The engine's preset changed.
    void presetChanged();

    void addListener (Listener* listener) { listeners.add (listener); }
    void removeListener (Listener* listener) { listeners.remove (listener); }

    // How often the ports and the quiet time are looked at while live.
    static constexpr int watchIntervalMs = 50;

private:
    enum class State
    {
        off,
        starting, // the first send runs
        on
    };
    struct LifeToken
    {};
    using Ended = void (LiveEditSession::*) (const std::shared_ptr<PresetTransfer>&);

    void transferChanged (const TransferStatus& status) override;
    void timerCallback() override;

    void firstSendEnded (const TransferStatus& status);
    void enqueue (const std::shared_ptr<PresetTransfer>& transfer, Ended ended);
    void writesEnded (const std::shared_ptr<PresetTransfer>& transfer);
    void checkEnded (const std::shared_ptr<PresetTransfer>& transfer);
    void startWrites();
    void startCheckWhenQuiet();
    bool portsChanged() const;
    void fail (const juce::String& why, bool tellMidiError = true);
    void dropWork();
    void setStatus (const juce::String& text);
    void tellListeners();
    juce::String onText() const;
    PresetTransfer::Payload currentPayload() const;

    OrbEditorEngine& engine;
    State state = State::off;
    bool sendingFirst = false, failed = false;
    std::uint8_t slotIndex = 0;
    int slotNumber = 0, linkedSlotNumber = 0;
    juce::String statusText;
    juce::MidiDeviceInfo inputAtStart, outputAtStart;

    // What the slot is to hold: the preset as last handed out for writing.
    PresetTransfer::Payload written;
    std::shared_ptr<PendingWrites> pending = std::make_shared<PendingWrites>();
    std::shared_ptr<PresetTransfer> writes, check;
    // Written positions not yet read back, each with the number of the change that last wrote it;
    // what the running check reads back, with the same numbers.
    std::map<int, std::uint64_t> unconfirmed, checking;
    std::uint64_t changeCount = 0;
    juce::uint32 lastChangeMs = 0;

    juce::ListenerList<Listener> listeners;
    std::shared_ptr<LifeToken> lifeToken { std::make_shared<LifeToken>() };

    JUCE_DECLARE_NON_COPYABLE (LiveEditSession)
};
