#include "midi/LiveEditSession.h"

namespace
{
constexpr int headerSize = OrbMiniProtocol::frameHeaderSize;
}

//==============================================================================
void LiveEditSession::PendingWrites::put (int position, std::uint8_t value)
{
    const std::lock_guard<std::mutex> guard (lock);
    if (values.insert_or_assign (position, value).second)
        order.push_back (position);
}

std::optional<PresetTransfer::PositionValue> LiveEditSession::PendingWrites::takeNext()
{
    const std::lock_guard<std::mutex> guard (lock);
    if (order.empty())
        return std::nullopt;

    const auto position = order.front();
    order.pop_front();
    const auto value = values.at (position);
    values.erase (position);
    return PresetTransfer::PositionValue { position, value };
}

bool LiveEditSession::PendingWrites::isEmpty() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return order.empty();
}

void LiveEditSession::PendingWrites::clear()
{
    const std::lock_guard<std::mutex> guard (lock);
    order.clear();
    values.clear();
}

//==============================================================================
LiveEditSession::LiveEditSession (OrbEditorEngine& e) : engine (e)
{
    engine.addTransferListener (this);
}

LiveEditSession::~LiveEditSession()
{
    cancel();
    engine.removeTransferListener (this);
}

bool LiveEditSession::start (std::uint8_t index)
{
    if (state != State::off || hasWorkLeft() || engine.isGetting() || engine.isSending())
        return false;

    slotIndex = index;
    slotNumber = index + 1;
    failed = false;
    written = currentPayload();
    inputAtStart = engine.getMidiManager().getInputDevice();
    outputAtStart = engine.getMidiManager().getOutputDevice();

    // The engine tells of the send's start (and of a failure to start) before it returns.
    state = State::starting;
    sendingFirst = true;

    // A send refused for want of a port has ended in firstSendEnded already.
    if (! engine.sendPreset (slotIndex))
    {
        sendingFirst = false;
        if (state == State::starting)
            state = State::off;
        tellListeners();
        return false;
    }

    startTimer (watchIntervalMs);
    tellListeners();
    return state != State::off;
}

void LiveEditSession::stop()
{
    if (state == State::off)
        return;

    // A first send still waiting its turn leaves the slot untouched, and what was edited meanwhile
    // never reaches it either.
    if (sendingFirst && state == State::starting && engine.cancelTransferUnlessWriting (TransferStatus::Kind::send))
    {
        sendingFirst = false;
        dropWork();
    }

    state = State::off;
    setStatus ({});
    startCheckWhenQuiet();
}

bool LiveEditSession::stopUnlessWriting()
{
    stop();
    return ! hasWorkLeft();
}

void LiveEditSession::cancel()
{
    if (sendingFirst)
        engine.cancelTransfer (TransferStatus::Kind::send);

    sendingFirst = false;
    dropWork();

    if (state != State::off)
    {
        state = State::off;
        setStatus ({});
    }

    stopTimer();
}

bool LiveEditSession::hasWorkLeft() const
{
    return sendingFirst || writes != nullptr || check != nullptr || ! unconfirmed.empty() || ! pending->isEmpty();
}

void LiveEditSession::dropWork()
{
    auto& transfers = engine.getMidiManager().getTransfers();
    for (auto* job : { &writes, &check })
        if (auto transfer = std::exchange (*job, nullptr))
            transfers.cancel (transfer);

    pending->clear();
    unconfirmed.clear();
    checking.clear();
}

PresetTransfer::Payload LiveEditSession::currentPayload() const
{
    const auto dump = engine.buildDump (0);
    return PresetTransfer::Payload (dump.begin() + headerSize, dump.end() - 1);
}

//==============================================================================
void LiveEditSession::presetChanged()
{
    if (state == State::off)
        return;

    const auto now = currentPayload();
    bool changed = false;

    for (size_t p = 0; p < now.size() && p < written.size(); ++p)
    {
        if (now[p] == written[p])
            continue;

        written[p] = now[p];
        pending->put ((int) p, now[p]);
        unconfirmed[(int) p] = ++changeCount;
        changed = true;
    }

    if (! changed)
        return;

    lastChangeMs = juce::Time::getMillisecondCounter();

    // A check that is still only reading would hold the new values back; it reads again later.
    if (check != nullptr && engine.getMidiManager().getTransfers().cancelUnlessWriting (check))
    {
        check = nullptr;
        checking.clear();
    }

    if (writes == nullptr)
        startWrites();
}

void LiveEditSession::startWrites()
{
    writes = PresetTransfer::makeWrites (engine.makeTransferSettings (slotIndex), pending);
    enqueue (writes, &LiveEditSession::writesEnded);
}

void LiveEditSession::enqueue (const std::shared_ptr<PresetTransfer>& transfer, Ended ended)
{
    std::weak_ptr<LifeToken> token = lifeToken;
    std::weak_ptr<PresetTransfer> weakTransfer = transfer;
    auto* session = this;

    engine.getMidiManager().getTransfers().enqueue (transfer, [token, weakTransfer, session, ended] {
        juce::MessageManager::callAsync ([token, weakTransfer, session, ended] {
            const auto alive = token.lock();
            const auto transfer = weakTransfer.lock();
            if (alive != nullptr && transfer != nullptr)
                (session->*ended) (transfer);
        });
    });
}

void LiveEditSession::writesEnded (const std::shared_ptr<PresetTransfer>& transfer)
{
    if (transfer != writes)
        return;

    writes = nullptr;

    switch (transfer->getProgress().phase)
    {
        case PresetTransfer::Phase::failed: return fail (engine.describeFailure (*transfer));
        case PresetTransfer::Phase::succeeded: break;
        default: return;
    }

    // Values that came after the job found nothing more to take.
    if (! pending->isEmpty())
        return startWrites();

    startCheckWhenQuiet();
    tellListeners();
}

void LiveEditSession::startCheckWhenQuiet()
{
    if (writes != nullptr || check != nullptr || sendingFirst || unconfirmed.empty())
        return;

    // Live, the check waits until the edits have been quiet; once off, it runs at once.
    const auto quietMs = engine.getTiming().liveQuietMs;
    if (state == State::on && juce::Time::getMillisecondCounter() - lastChangeMs < (juce::uint32) quietMs)
    {
        if (! isTimerRunning())
            startTimer (watchIntervalMs);
        return;
    }

    std::vector<int> positions;
    for (const auto& [position, change] : unconfirmed)
        positions.push_back (position);

    checking = unconfirmed;
    check = PresetTransfer::makeCheck (engine.makeTransferSettings (slotIndex), written, std::move (positions));
    enqueue (check, &LiveEditSession::checkEnded);
}

void LiveEditSession::checkEnded (const std::shared_ptr<PresetTransfer>& transfer)
{
    if (transfer != check)
        return;

    check = nullptr;
    const auto confirmed = std::exchange (checking, {});
    const auto phase = transfer->getProgress().phase;

    if (phase == PresetTransfer::Phase::failed)
    {
        if (transfer->getFailure() == PresetTransfer::Failure::valuesMissing
            || transfer->getFailure() == PresetTransfer::Failure::valuesDiffer)
        {
            const auto count = (int) transfer->getFailedPositions().size();
            return fail ("Slot " + juce::String (slotNumber) + ": " + juce::String (count)
                         + (count == 1 ? " value" : " values") + " not confirmed");
        }

        return fail (engine.describeFailure (*transfer));
    }

    if (phase != PresetTransfer::Phase::succeeded)
        return startCheckWhenQuiet(); // cancelled by a newer edit: read again once quiet

    // A position changed again while it was read back stays to be read once more.
    for (const auto& [position, change] : confirmed)
        if (const auto found = unconfirmed.find (position); found != unconfirmed.end() && found->second == change)
            unconfirmed.erase (found);

    startCheckWhenQuiet();
    tellListeners();
}

//==============================================================================
void LiveEditSession::transferChanged (const TransferStatus& status)
{
    if (status.phase == TransferStatus::Phase::succeeded)
        linkedSlotNumber = status.slotNumber;

    if (status.kind == TransferStatus::Kind::get)
    {
        // The got preset replaces the one being edited; it is not written anywhere.
        if (status.isRunning() && state != State::off)
            stop();
        return;
    }

    if (! sendingFirst)
        return;

    if (status.isRunning())
    {
        if (state == State::starting)
            setStatus ("Live: " + status.describe());
        return;
    }

    firstSendEnded (status);
}

void LiveEditSession::firstSendEnded (const TransferStatus& status)
{
    sendingFirst = false;

    if (status.phase == TransferStatus::Phase::succeeded)
    {
        if (state == State::starting)
        {
            state = State::on;
            setStatus (onText());
        }

        // What was edited while the send ran is queued behind it already.
        startCheckWhenQuiet();
        return;
    }

    // The slot does not hold the preset the edits were made on: none of them is written.
    dropWork();

    if (status.phase == TransferStatus::Phase::failed)
        return fail (status.failure, false); // the engine has told of the MIDI error already

    state = State::off;
    setStatus (status.leftIncomplete ? status.describe() : juce::String());
}

void LiveEditSession::timerCallback()
{
    if (state != State::off && portsChanged())
    {
        const auto gone = engine.getMidiManager().getInputDevice().identifier.isEmpty()
                          || engine.getMidiManager().getOutputDevice().identifier.isEmpty();
        return fail (gone ? OrbEditorEngine::describeLinkFailure (slotNumber, PresetTransfer::Failure::disconnected)
                          : "Slot " + juce::String (slotNumber) + ": the MIDI port changed");
    }

    startCheckWhenQuiet();

    if (state == State::off && ! hasWorkLeft())
        stopTimer();
}

bool LiveEditSession::portsChanged() const
{
    const auto& midi = engine.getMidiManager();
    return midi.getInputDevice().identifier != inputAtStart.identifier
           || midi.getOutputDevice().identifier != outputAtStart.identifier;
}

void LiveEditSession::fail (const juce::String& why, bool tellMidiError)
{
    if (sendingFirst)
        engine.cancelTransfer (TransferStatus::Kind::send);

    sendingFirst = false;
    dropWork();
    state = State::off;
    failed = true;
    stopTimer();
    setStatus (why);

    if (tellMidiError)
        engine.notifyMidiError();
}

juce::String LiveEditSession::onText() const
{
    return "Live: Slot " + juce::String (slotNumber);
}

void LiveEditSession::setStatus (const juce::String& text)
{
    statusText = text;
    tellListeners();
}

void LiveEditSession::tellListeners()
{
    listeners.call ([] (Listener& l) { l.liveEditChanged(); });
}
