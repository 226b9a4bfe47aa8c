#include "midi/OrbEditorEngine.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{
constexpr int headerSize = 10;      // common header and slot byte
constexpr int highestSlot = 24;
constexpr std::uint8_t writeCommand = 0x64, requestCommand = 0x65, replyCommand = 0x66, syncCommand = 0x67;

using Clock = std::chrono::steady_clock;

// The common header: start, maker, fixed byte, model, command and its two parameter bytes.
juce::MidiMessage makeMessage (std::uint8_t model, std::uint8_t command, std::uint8_t first, std::uint8_t second,
                               std::initializer_list<std::uint8_t> body)
{
    std::vector<std::uint8_t> bytes { 0xF0, 0x00, 0x3C, 0x17, 0x00, model, command, first, second };
    bytes.insert (bytes.end(), body.begin(), body.end());
    bytes.push_back (0xF7);
    return juce::MidiMessage (bytes.data(), (int) bytes.size());
}

std::uint8_t positionHigh (int position) { return (std::uint8_t) (position / 128); }
std::uint8_t positionLow (int position) { return (std::uint8_t) (position % 128); }

// Paces against the start of the run rather than sleeping a fixed time after each message, so
// that oversleeping once does not add up over 305 messages.
void sleepUntilSlot (Clock::time_point start, int messagesSent, int pacingMs)
{
    std::this_thread::sleep_until (start + std::chrono::milliseconds ((std::int64_t) messagesSent * pacingMs));
}

bool isValueReply (const juce::MidiMessage& message)
{
    return message.getRawDataSize() == 13 && message.getRawData()[0] == 0xF0
           && message.getRawData()[6] == replyCommand;
}
} // namespace

bool OrbEditorEngine::isGetting() const
{
    return getting;
}

void OrbEditorEngine::getPreset (std::uint8_t slotIndex)
{
    if (getting || slotIndex > highestSlot)
        return;

    midiManager.addListener (this);
    retryCount = 0;
    slot = slotIndex;
    receivedCount = 0;
    getting = true;

    std::printf ("number of gets : %d\r\nstarting get\r\n", receivedCount);
    std::fflush (stdout);

    requestAllValues();
}

void OrbEditorEngine::requestAllValues()
{
    if (slot > highestSlot || ! getting)
        return;

    const int payloadSize = getPayloadSize();
    if (receivedCount == payloadSize)
        return;

    // Every pass asks for every position again and forgets what the previous pass collected.
    receiveBuffer.clearQuick();
    receiveBuffer.insertMultiple (0, 0, payloadSize);
    answeredThisPass.assign ((size_t) payloadSize, false);
    receivedCount = 0;

    const auto model = modelByte != nullptr ? *modelByte : std::uint8_t {};
    const auto start = Clock::now();

    for (int p = 0; p < payloadSize; ++p)
    {
        midiManager.sendMessage (makeMessage (model, requestCommand, 0x00, 0x03,
                                              { slot, positionHigh (p), positionLow (p) }));
        sleepUntilSlot (start, p + 1, timing.requestPacingMs);
    }

    startTimer (timing.replyTimeoutMs);
}

void OrbEditorEngine::handleMidiMessage (const juce::MidiMessage& message)
{
    // MIDI input thread: nothing of the engine is touched here. The reply is queued to the
    // message thread, where it runs in turn with request passes, timers and view updates.
    if (! isValueReply (message))
        return;

    std::weak_ptr<ReplyToken> token = replyToken;
    auto* engine = this;

    juce::MessageManager::callAsync ([token, engine, message]
    {
        if (token.lock() == nullptr)
            return;   // the engine was destroyed while the reply was queued

        // A listener told of the completed preset may let go of the last handle.
        Ptr keepAlive (engine->getReferenceCount() > 0 ? engine : nullptr);
        engine->handleReply (message);
    });
}

void OrbEditorEngine::handleReply (const juce::MidiMessage& message)
{
    if (! getting || ! isValueReply (message))
        return;

    const auto* data = message.getRawData();
    const int position = data[9] * 128 + data[10];
    const int payloadSize = getPayloadSize();

    // Positions past the payload reach no group; a position that already answered in this pass
    // takes the newer value but is counted once.
    if (position >= payloadSize)
        return;

    receiveBuffer.set (position, data[11]);
    if (answeredThisPass[(size_t) position])
        return;

    answeredThisPass[(size_t) position] = true;
    if (++receivedCount < payloadSize)
        return;

    stopTimer();
    getting = false;

    ByteArray dump;
    dump.ensureStorageAllocated (dumpSize);
    dump.insertMultiple (0, 0, headerSize);
    dump.addArray (receiveBuffer);
    dump.add (0xF7);
    applyDump (dump);
}

void OrbEditorEngine::timerCallback()
{
    stopTimer();
    if (! getting)
        return;

    if (retryCount > 7)
    {
        retryCount = 0;
        getting = false;
        midiManager.removeListener (this);
        notifyMidiError();
        return;
    }

    ++retryCount;
    requestAllValues();
}

bool OrbEditorEngine::sendPreset (const std::uint8_t& slotIndex)
{
    // A slot above 127 would not even fit a System Exclusive data byte.
    if (slotIndex > highestSlot)
        return false;

    if (! midiManager.isConnected())
    {
        notifyMidiError();
        return false;
    }

    const auto target = slotIndex;
    const auto dump = buildDump (target);
    const auto model = modelByte != nullptr ? *modelByte : std::uint8_t {};
    const auto start = Clock::now();

    for (int p = 0; p < dump.size() - headerSize - 1; ++p)
    {
        midiManager.sendMessage (makeMessage (model, writeCommand, 0x00, 0x04,
                                              { target, positionHigh (p), positionLow (p),
                                                dump.getUnchecked (headerSize + p) }));
        sleepUntilSlot (start, p + 1, timing.writePacingMs);
    }

    return midiManager.isConnected();
}

void OrbEditorEngine::setSyncMode (bool external)
{
    if (! midiManager.isConnected())
    {
        notifyMidiError();
        return;
    }

    midiManager.sendMessage (makeMessage (modelByte != nullptr ? *modelByte : std::uint8_t {}, syncCommand, 0x00, 0x01,
                                          { 0x01, (std::uint8_t) (external ? 0x01 : 0x00) }));
}

void OrbEditorEngine::notifyMidiError()
{
    // A window told of the error may close and let go of its handle.
    Ptr keepAlive (getReferenceCount() > 0 ? this : nullptr);
    listeners.call ([] (Listener& l) { l.midiErrorOccurred ({}); });
}
