#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <cstdint>
#include <span>

// What a message to or from the controller means, in words: the device's own messages by what
// they do ("Request slot 3 position 152", "Reply position 152 = 64"), a preset dump by its slot
// and length, anything else as its bytes in hex ("B0 07 64").
class MidiMessageDescription
{
public:
    // `bytes` are the message's first bytes: all of them, or for a message longer than the caller
    // kept, as many as it kept. `size` is the whole message's length.
    static juce::String describe (std::span<const std::uint8_t> bytes, int size);
    static juce::String describe (const juce::MidiMessage& message);

    // Upper-case hex bytes separated by blanks.
    static juce::String hex (std::span<const std::uint8_t> bytes);

    MidiMessageDescription() = delete;
};
