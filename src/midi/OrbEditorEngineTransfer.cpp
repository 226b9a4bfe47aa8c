#include "midi/OrbEditorEngine.h"

// Placeholder until the device protocol lands.
void OrbEditorEngine::getPreset (std::uint8_t) {}
bool OrbEditorEngine::sendPreset (const std::uint8_t&) { return false; }
void OrbEditorEngine::setSyncMode (bool) {}
bool OrbEditorEngine::isGetting() const { return isTimerRunning(); }
void OrbEditorEngine::timerCallback() { stopTimer(); }
void OrbEditorEngine::handleMidiMessage (const juce::MidiMessage&) {}
