#pragma once

#include <cstdint>

// The OrbMini's fixed make-up: the model byte its preset frames carry, how many of each control it
// has and its preset files' pattern. Everything that builds an
// OrbMini engine takes these from here.
struct OrbMiniModel
{
    static constexpr std::uint8_t modelByte = 0x3E;
    static constexpr int numKnobs = 8;
    static constexpr int numPads = 16;
    static constexpr int numSwitches = 24;
    static constexpr int numTransports = 6;
    static constexpr std::uint8_t numKeys = 25;
    static constexpr std::uint8_t octaveMaximum = 7;
    static constexpr const char* presetWildcard = "*.orp";
};
