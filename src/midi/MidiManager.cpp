#include "midi/MidiManager.h"

// Placeholder until the port manager lands: nothing is ever opened.
MidiManager::MidiManager (MidiPortLayer& p, int deviceWatchPeriodMs) : ports (p)
{
    startTimer (deviceWatchPeriodMs);
}

MidiManager::~MidiManager()
{
    stopTimer();
}

void MidiManager::setInput (const juce::String&) {}
void MidiManager::setOutput (const juce::String&) {}
bool MidiManager::isConnected() const { return input != nullptr; }
bool MidiManager::isOutputOpen() const { return output != nullptr; }
bool MidiManager::sendMessage (const juce::MidiMessage&) { return false; }
void MidiManager::addListener (MidiManagerListener*) {}
void MidiManager::removeListener (MidiManagerListener*) {}
void MidiManager::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) {}
void MidiManager::timerCallback() {}
