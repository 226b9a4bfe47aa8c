#pragma once

#include "midi/MidiPortLayer.h"
#include "midi/OrbEditorEngine.h"

#include <juce_core/juce_core.h>

// orbpreset's commands that talk to the controller: list the ports, get and send one slot, back up
// and restore every slot. They run the editor's own engine and librarian over the port layer they
// are given, print progress to standard error and return the tool's exit status.
class DeviceCommands
{
public:
    static const char* const portsHelp;
    static const char* const getHelp;
    static const char* const sendHelp;
    static const char* const backupHelp;
    static const char* const restoreHelp;

    DeviceCommands (MidiPortLayer& ports, OrbEditorEngine::Timing timing);

    // The command's words after its name; "--device NAME" and "--replace" may stand anywhere.
    int run (const juce::String& command, juce::StringArray arguments);

private:
    int listPorts();
    int get (const juce::String& slot, const juce::String& outPath);
    int send (const juce::String& path, const juce::String& slot);
    int backup (const juce::String& dirPath, bool replace);
    int restore (const juce::String& dirPath);

    bool connect (class MidiManager& midi);
    static int parseSlot (const juce::String& text);
    static int badSlot (const juce::String& text);
    // Runs a get or send of a slot (1 to 24) with its progress on standard error, to its end.
    int transfer (OrbEditorEngine& engine, TransferStatus::Kind kind, int slot);

    MidiPortLayer& ports;
    OrbEditorEngine::Timing timing;
    juce::String device;
};
