#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

// The device's System Exclusive messages. Every message starts with the common header: start
// byte, maker, a fixed byte, the model byte, a command and its two parameter bytes. A preset
// moves one payload byte at a time, its position carried as two 7-bit bytes.
struct OrbMiniProtocol
{
    static constexpr std::uint8_t writeCommand = 0x64, requestCommand = 0x65, replyCommand = 0x66, syncCommand = 0x67;
    // A preset dump's command and its two parameter bytes.
    static constexpr std::array<std::uint8_t, 3> dumpCommand { 0x61, 0x03, 0x51 };
    static constexpr std::uint8_t endByte = 0xF7;
    // Whole message lengths, end byte included.
    static constexpr int requestSize = 13, replySize = 13, writeSize = 14, syncSize = 12;
    static constexpr int frameHeaderSize = 10; // the common header and the slot byte before a dump's payload
    // Where a message's command byte and its body (after the command's two parameter bytes) start.
    static constexpr int commandIndex = 6, bodyIndex = 9;
    static constexpr int highestSlot = 24; // slot indexes 0 to 24 reach the device
    // Start byte, maker and the fixed byte that precede the model byte in every frame.
    static constexpr std::array<std::uint8_t, 5> header { 0xF0, 0x00, 0x3C, 0x17, 0x00 };

    struct Reply
    {
        int position = 0;
        std::uint8_t value = 0;
    };

    static juce::MidiMessage makeMessage (std::uint8_t model, std::uint8_t command, std::uint8_t first,
                                          std::uint8_t second, std::initializer_list<std::uint8_t> body)
    {
        std::vector<std::uint8_t> bytes (header.begin(), header.end());
        bytes.insert (bytes.end(), { model, command, first, second });
        bytes.insert (bytes.end(), body.begin(), body.end());
        bytes.push_back (endByte);
        return juce::MidiMessage (bytes.data(), (int) bytes.size());
    }

    static juce::MidiMessage makeValueRequest (std::uint8_t model, std::uint8_t slot, int position)
    {
        return makeMessage (model, requestCommand, 0x00, 0x03, { slot, high (position), low (position) });
    }

    static juce::MidiMessage makeValueWrite (std::uint8_t model, std::uint8_t slot, int position, std::uint8_t value)
    {
        return makeMessage (model, writeCommand, 0x00, 0x04, { slot, high (position), low (position), value });
    }

    static juce::MidiMessage makeSyncMode (std::uint8_t model, bool external)
    {
        return makeMessage (model, syncCommand, 0x00, 0x01, { 0x01, (std::uint8_t) (external ? 0x01 : 0x00) });
    }

    // Only the start byte, the length and the command byte tell a value reply.
    static std::optional<Reply> parseValueReply (const juce::MidiMessage& message)
    {
        return parseValueReply (message.getRawData(), message.getRawDataSize());
    }

    static std::optional<Reply> parseValueReply (const std::uint8_t* data, int size)
    {
        if (size != replySize || data[0] != header[0] || data[commandIndex] != replyCommand)
            return std::nullopt;
        return Reply { positionFrom (data[bodyIndex], data[bodyIndex + 1]), data[bodyIndex + 2] };
    }

    // Whether the bytes begin with the common header (any model byte) and that command.
    static bool hasHeaderAndCommand (const std::uint8_t* data, int size, std::uint8_t command)
    {
        return size > commandIndex && std::equal (header.begin(), header.end(), data) && data[commandIndex] == command;
    }

    static bool isDumpFrame (const std::uint8_t* data, int size)
    {
        return size > frameHeaderSize && hasHeaderAndCommand (data, size, dumpCommand[0])
               && std::equal (dumpCommand.begin(), dumpCommand.end(), data + commandIndex);
    }

    // Slot indexes count from 0 on the wire; the user sees slots numbered from 1.
    static constexpr int slotNumber (std::uint8_t slotIndex) { return slotIndex + 1; }

    // A dump's length for a payload of that many bytes: header and slot, payload, end byte.
    static constexpr int dumpSize (int payloadSize) { return frameHeaderSize + payloadSize + 1; }
    static constexpr int payloadSize (int dumpSize) { return dumpSize - frameHeaderSize - 1; }

    static std::uint8_t high (int position) { return (std::uint8_t) (position / 128); }
    static std::uint8_t low (int position) { return (std::uint8_t) (position % 128); }
    static int positionFrom (std::uint8_t high, std::uint8_t low) { return high * 128 + low; }
};
