// orbpreset: the command-line preset tool over the platform's MIDI devices.

#include "OrbPresetTool.h"

#include "midi/JuceMidiPorts.h"

#include <iostream>

int main (int argc, char* argv[])
{
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    JuceMidiPorts ports;
    const auto status = runOrbPreset (args, ports, {});
    std::cout.flush();
    return status;
}
