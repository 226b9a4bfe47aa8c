#pragma once

#include "midi/PresetTransfer.h"

#include <juce_core/juce_core.h>

// Where a window's get or send stands, as its dialog shows it. Slots are numbered as the user
// sees them, 1 to 24.
struct TransferStatus
{
    using Kind = PresetTransfer::Kind;
    using Phase = PresetTransfer::Phase;

    Kind kind = Kind::get;
    Phase phase = Phase::waiting;
    int slotNumber = 1;
    int done = 0;
    int total = 0;
    bool behindOthers = false;
    bool leftIncomplete = false; // a send cancelled after its first write: the slot is half written
    juce::String failure;        // what failed, for the user; empty unless failed

    bool isRunning() const { return phase != Phase::succeeded && phase != Phase::failed && phase != Phase::cancelled; }
    double getFraction() const { return total > 0 ? (double) done / total : 0.0; }

    // "Getting slot 3: 152 of 305", "Waiting for another window's transfer", the failure, or
    // what a cancel left behind.
    juce::String describe() const
    {
        if (phase == Phase::failed)
            return failure;
        if (phase == Phase::cancelled && leftIncomplete)
            return "Slot " + juce::String (slotNumber) + " was left incomplete: send again to complete it";
        if (phase == Phase::waiting && behindOthers)
            return "Waiting for another window's transfer";

        const char* verb = phase == Phase::checking ? "Checking" : kind == Kind::send ? "Sending" : "Getting";
        return juce::String (verb) + " slot " + juce::String (slotNumber) + ": " + juce::String (done) + " of "
               + juce::String (total);
    }

    bool operator== (const TransferStatus&) const = default;
};
