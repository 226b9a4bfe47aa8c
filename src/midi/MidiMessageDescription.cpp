#include "midi/MidiMessageDescription.h"

#include "midi/OrbMiniProtocol.h"

namespace
{
using Protocol = OrbMiniProtocol;

bool isMessage (std::span<const std::uint8_t> bytes, std::uint8_t command, int size)
{
    return (int) bytes.size() == size && Protocol::hasHeaderAndCommand (bytes.data(), size, command);
}

juce::String slotText (std::uint8_t slotIndex)
{
    return "slot " + juce::String (Protocol::slotNumber (slotIndex));
}

// The position carried by the two bytes from `first` on.
juce::String positionText (std::span<const std::uint8_t> bytes, int first)
{
    return "position " + juce::String (Protocol::positionFrom (bytes[(size_t) first], bytes[(size_t) first + 1]));
}
} // namespace

juce::String MidiMessageDescription::describe (std::span<const std::uint8_t> bytes, int size)
{
    constexpr auto body = (size_t) Protocol::bodyIndex;

    // The device's value messages are short enough to be kept whole.
    if ((int) bytes.size() == size)
    {
        // A reply is whatever the engine would take for one.
        if (const auto reply = Protocol::parseValueReply (bytes.data(), size))
            return "Reply position " + juce::String (reply->position) + " = " + juce::String (reply->value);

        if (isMessage (bytes, Protocol::requestCommand, Protocol::requestSize))
            return "Request " + slotText (bytes[body]) + " " + positionText (bytes, (int) body + 1);

        if (isMessage (bytes, Protocol::writeCommand, Protocol::writeSize))
            return "Write " + slotText (bytes[body]) + " " + positionText (bytes, (int) body + 1) + " = "
                   + juce::String (bytes[body + 3]);

        if (isMessage (bytes, Protocol::syncCommand, Protocol::syncSize) && bytes[body + 1] <= 1)
            return bytes[body + 1] == 1 ? "Sync external" : "Sync internal";
    }

    if (Protocol::isDumpFrame (bytes.data(), (int) bytes.size()))
        return "Preset dump " + slotText (bytes[body]) + " (" + juce::String (size) + " bytes)";

    if ((int) bytes.size() < size)
        return hex (bytes) + juce::String (juce::CharPointer_UTF8 (" \xe2\x80\xa6 (")) + juce::String (size)
               + " bytes)";

    return hex (bytes);
}

juce::String MidiMessageDescription::describe (const juce::MidiMessage& message)
{
    const auto size = message.getRawDataSize();
    return describe ({ message.getRawData(), (size_t) size }, size);
}

juce::String MidiMessageDescription::hex (std::span<const std::uint8_t> bytes)
{
    return juce::String::toHexString (bytes.data(), (int) bytes.size(), 1).toUpperCase();
}
