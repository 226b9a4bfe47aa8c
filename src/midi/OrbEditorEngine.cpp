#include "midi/OrbEditorEngine.h"

// Placeholder until the preset model lands: no groups yet.
OrbEditorEngine::OrbEditorEngine (const std::uint8_t* model, MidiManager& manager, const juce::String& wildcard,
                                  std::uint8_t splitMax, std::uint8_t octaveMax, int numKnobs, int numPads, int numSwitches)
    : OrbEditorEngine (model, manager, wildcard, splitMax, octaveMax, numKnobs, numPads, numSwitches, Timing {})
{
}

OrbEditorEngine::OrbEditorEngine (const std::uint8_t* model, MidiManager& manager, const juce::String& wildcard,
                                  std::uint8_t, std::uint8_t, int numKnobs, int numPads, int numSwitches, Timing t)
    : midiManager (manager), modelByte (model), dumpSize (5 * (numKnobs + numPads + numSwitches) + 76),
      fileWildcard (wildcard), timing (t)
{
}

OrbEditorEngine::~OrbEditorEngine()
{
    stopTimer();
    midiManager.removeListener (this);
}

void OrbEditorEngine::addListener (Listener* listener) { if (listener != nullptr) listeners.add (listener); }
void OrbEditorEngine::removeListener (Listener* listener) { listeners.remove (listener); }
OrbEditorEngine::ByteArray OrbEditorEngine::buildDump (std::uint8_t) const { return {}; }
void OrbEditorEngine::applyDump (const ByteArray&) {}
bool OrbEditorEngine::savePresetFile (const juce::File&) { return false; }
bool OrbEditorEngine::loadPresetFile (const juce::File&) { return false; }
bool OrbEditorEngine::loadPresetData (const ByteArray&) { return false; }
void OrbEditorEngine::addListenerToControl (Control::Listener*, const int&) {}
void OrbEditorEngine::addListenerToControl (Control::Listener*, const int&, const std::uint8_t&) {}
void OrbEditorEngine::addListenerToTransport (Control::Listener*, const int&, const int&) {}
void OrbEditorEngine::removeListenerFromControl (Control::Listener*, const int&, const int&) {}
void OrbEditorEngine::setControlParameter (const int&, const juce::String&, const std::uint8_t&, bool) {}
void OrbEditorEngine::setControlParameter (const int&, const std::uint8_t&, const juce::String&, const std::uint8_t&, bool) {}
void OrbEditorEngine::setTransportParameter (const int&, const int&, const juce::String&, const std::uint8_t&, bool) {}
std::uint8_t OrbEditorEngine::getParameterMinimum (const int&, const juce::String&) const { return 0; }
std::uint8_t OrbEditorEngine::getParameterMaximum (const int&, const juce::String&) const { return 0; }
Control* OrbEditorEngine::getControl (int, int) const { return nullptr; }
int OrbEditorEngine::getNumControls (int) const { return 0; }
