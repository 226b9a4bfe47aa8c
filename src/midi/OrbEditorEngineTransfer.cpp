#include "midi/OrbEditorEngine.h"

#include "midi/LiveEditSession.h"
#include "midi/PresetParameterRows.h"

#include "midi/GetDiagnostics.h"

namespace
{
constexpr int headerSize = OrbMiniProtocol::frameHeaderSize;
constexpr int progressIntervalMs = 40; // how often a running transfer's progress is told
constexpr int namedFailuresShown = 2;  // parameters a failed send names before "and N more"

juce::String countOf (size_t n, const char* one, const char* many)
{
    return juce::String ((int) n) + " " + (n == 1 ? one : many);
}
} // namespace

void OrbEditorEngine::addTransferListener (TransferListener* listener)
{
    if (listener != nullptr)
        transferListeners.add (listener);
}

void OrbEditorEngine::removeTransferListener (TransferListener* listener)
{
    transferListeners.remove (listener);
}

std::uint8_t OrbEditorEngine::currentModelByte() const
{
    return modelByte != nullptr ? *modelByte : std::uint8_t {};
}

void OrbEditorEngine::getPreset (std::uint8_t slotIndex)
{
    if (runningGet != nullptr || slotIndex > OrbMiniProtocol::highestSlot)
        return;

    GetDiagnostics::print();

    runningGet = startTransfer (TransferStatus::Kind::get, slotIndex);
}

bool OrbEditorEngine::sendPreset (const std::uint8_t& slotIndex)
{
    // A slot above 127 would not even fit a System Exclusive data byte.
    if (runningSend != nullptr || slotIndex > OrbMiniProtocol::highestSlot)
        return false;

    runningSend = startTransfer (TransferStatus::Kind::send, slotIndex);
    return runningSend != nullptr;
}

PresetTransfer::Settings OrbEditorEngine::makeTransferSettings (std::uint8_t slotIndex) const
{
    PresetTransfer::Settings settings;
    settings.modelByte = currentModelByte();
    settings.slot = slotIndex;
    settings.payloadSize = getPayloadSize();
    settings.requestGapMs = timing.requestPacingMs;
    settings.writeGapMs = timing.writePacingMs;
    settings.replyTimeoutMs = timing.replyTimeoutMs;
    return settings;
}

std::shared_ptr<PresetTransfer> OrbEditorEngine::startTransfer (TransferStatus::Kind kind, std::uint8_t slotIndex)
{
    // A listener told of the start or of a failure may let go of the last handle.
    Ptr keepAlive (getReferenceCount() > 0 ? this : nullptr);

    const auto settings = makeTransferSettings (slotIndex);
    std::shared_ptr<PresetTransfer> transfer;

    if (kind == TransferStatus::Kind::get)
    {
        transfer = PresetTransfer::makeGet (settings);
    }
    else
    {
        const auto dump = buildDump (slotIndex);
        transfer =
            PresetTransfer::makeSend (settings, PresetTransfer::Payload (dump.begin() + headerSize, dump.end() - 1));
    }

    // Without both ports nothing could be sent or heard: say so at once rather than after the
    // passes have timed out, and send nothing.
    const auto missingPort = ! midiManager.isOutputOpen()  ? PresetTransfer::Failure::noOutput
                             : ! midiManager.isConnected() ? PresetTransfer::Failure::noInput
                                                           : PresetTransfer::Failure::none;
    if (missingPort != PresetTransfer::Failure::none)
    {
        transfer->finishWithout (missingPort);
        reportStatus (makeStatus (*transfer));
        notifyMidiError();
        return nullptr;
    }

    std::weak_ptr<LifeToken> token = lifeToken;
    std::weak_ptr<PresetTransfer> weakTransfer = transfer;
    auto* engine = this;

    midiManager.getTransfers().enqueue (transfer, [token, weakTransfer, engine] {
        juce::MessageManager::callAsync ([token, weakTransfer, engine] {
            auto alive = token.lock();
            auto ended = weakTransfer.lock();
            if (alive == nullptr || ended == nullptr)
                return; // the engine was destroyed, or has let go of the transfer

            // A listener told of the end may let go of the last handle.
            Ptr keepAlive (engine);
            engine->transferEnded (ended);
        });
    });

    startTimer (progressIntervalMs);

    // The transfer thread may already have finished it; its end is told only by transferEnded,
    // once a get's preset is applied, so here it is told as starting.
    auto starting = makeStatus (*transfer);
    starting.phase = TransferStatus::Phase::waiting;
    starting.done = 0;
    starting.total = getPayloadSize();
    reportStatus (starting);
    return transfer;
}

void OrbEditorEngine::cancelTransfer (TransferStatus::Kind kind)
{
    if (auto transfer = kind == TransferStatus::Kind::get ? runningGet : runningSend)
        midiManager.getTransfers().cancel (transfer);
}

void OrbEditorEngine::cancelTransfers()
{
    cancelTransfer (TransferStatus::Kind::get);
    cancelTransfer (TransferStatus::Kind::send);
    if (liveEdit != nullptr)
        liveEdit->cancel();
}

bool OrbEditorEngine::cancelTransferUnlessWriting (TransferStatus::Kind kind)
{
    if (auto transfer = kind == TransferStatus::Kind::get ? runningGet : runningSend)
        return midiManager.getTransfers().cancelUnlessWriting (transfer);
    return true;
}

bool OrbEditorEngine::isWritingSlot() const
{
    return runningSend != nullptr && runningSend->isWritingSlot();
}

void OrbEditorEngine::transferEnded (const std::shared_ptr<PresetTransfer>& transfer)
{
    auto& running = transfer->getKind() == TransferStatus::Kind::get ? runningGet : runningSend;
    if (running != transfer)
        return;

    running = nullptr;
    if (runningGet == nullptr && runningSend == nullptr)
        stopTimer();

    const auto phase = transfer->getProgress().phase;

    // A get cancelled after its last value arrived reports itself cancelled: the preset stays.
    if (transfer->getKind() == TransferStatus::Kind::get && phase == TransferStatus::Phase::succeeded)
    {
        ByteArray dump;
        dump.ensureStorageAllocated (dumpSize);
        dump.insertMultiple (0, 0, headerSize);
        for (auto value : transfer->getReceived())
            dump.add (value);
        dump.add (OrbMiniProtocol::endByte);
        applyDump (dump);
    }

    reportStatus (makeStatus (*transfer));

    if (phase == TransferStatus::Phase::failed)
        notifyMidiError();
}

void OrbEditorEngine::timerCallback()
{
    // Only progress is told here; the end is told once, by transferEnded, after the preset is
    // applied. A listener may let go of the last handle.
    Ptr keepAlive (getReferenceCount() > 0 ? this : nullptr);

    for (auto* running : { &runningGet, &runningSend })
        if (auto transfer = *running; transfer != nullptr && ! transfer->hasEnded())
            reportStatus (makeStatus (*transfer), true);
}

TransferStatus OrbEditorEngine::makeStatus (const PresetTransfer& transfer) const
{
    const auto progress = transfer.getProgress();
    TransferStatus status;
    status.kind = transfer.getKind();
    status.phase = progress.phase;
    status.slotNumber = transfer.getSettings().slot + 1;
    status.done = progress.done;
    status.total = progress.total;
    status.behindOthers = progress.behindOthers;
    status.leftIncomplete = progress.phase == TransferStatus::Phase::cancelled && transfer.leftSlotIncomplete();

    if (progress.phase == TransferStatus::Phase::failed)
        status.failure = describeFailure (transfer);

    return status;
}

juce::String OrbEditorEngine::describeFailure (const PresetTransfer& transfer) const
{
    const auto prefix = "Slot " + juce::String (transfer.getSettings().slot + 1) + ": ";
    const auto& positions = transfer.getFailedPositions();
    const bool isGet = transfer.getKind() == TransferStatus::Kind::get;

    switch (transfer.getFailure())
    {
        case PresetTransfer::Failure::noOutput:
        case PresetTransfer::Failure::noInput:
        case PresetTransfer::Failure::disconnected:
            return describeLinkFailure (transfer.getSettings().slot + 1, transfer.getFailure());
        case PresetTransfer::Failure::valuesMissing:
            return prefix + countOf (positions.size(), "value", "values")
                   + (isGet ? " did not arrive" : " could not be read back");
        case PresetTransfer::Failure::valuesDiffer: break;
        case PresetTransfer::Failure::none: return {};
    }

    // A send whose values the device did not keep: name them as the views show them.
    const auto rows = PresetParameterRows::list (*this);
    juce::StringArray names;

    for (auto position : positions)
    {
        if (names.size() == namedFailuresShown)
            break;

        const auto* row = PresetParameterRows::find (rows, headerSize + position);
        names.add (row != nullptr  ? row->section + " / " + row->title()
                   : position < 16 ? "Preset Name"
                                   : "position " + juce::String (position));
    }

    names.removeDuplicates (false);
    auto text =
        prefix + countOf (positions.size(), "value", "values") + " did not arrive: " + names.joinIntoString (", ");

    if (positions.size() > (size_t) namedFailuresShown)
        text << " and " << (int) positions.size() - namedFailuresShown << " more";

    return text;
}

juce::String OrbEditorEngine::describeLinkFailure (int slotNumber, PresetTransfer::Failure failure)
{
    const auto prefix = "Slot " + juce::String (slotNumber) + ": ";

    switch (failure)
    {
        case PresetTransfer::Failure::noOutput: return prefix + "no MIDI output is open";
        case PresetTransfer::Failure::noInput: return prefix + "no MIDI input is open";
        case PresetTransfer::Failure::disconnected: return prefix + "the MIDI device was disconnected";
        case PresetTransfer::Failure::valuesMissing:
        case PresetTransfer::Failure::valuesDiffer:
        case PresetTransfer::Failure::none: break;
    }

    return {};
}

void OrbEditorEngine::reportStatus (TransferStatus status, bool onlyIfChanged)
{
    auto& last = status.kind == TransferStatus::Kind::get ? lastGetStatus : lastSendStatus;
    if (onlyIfChanged && status == last)
        return;

    last = status;
    Ptr keepAlive (getReferenceCount() > 0 ? this : nullptr);
    transferListeners.call ([&status] (TransferListener& l) { l.transferChanged (status); });
}

TransferStatus OrbEditorEngine::getTransferStatus (TransferStatus::Kind kind) const
{
    return kind == TransferStatus::Kind::get ? lastGetStatus : lastSendStatus;
}

void OrbEditorEngine::setSyncMode (bool external)
{
    if (! midiManager.isConnected() || ! midiManager.isOutputOpen())
    {
        notifyMidiError();
        return;
    }

    midiManager.getTransfers().sendPaced (OrbMiniProtocol::makeSyncMode (currentModelByte(), external),
                                          timing.requestPacingMs);
}

void OrbEditorEngine::notifyMidiError()
{
    // A window told of the error may close and let go of its handle.
    Ptr keepAlive (getReferenceCount() > 0 ? this : nullptr);
    listeners.call ([] (Listener& l) { l.midiErrorOccurred ({}); });
}
