// orbpreset over a simulated controller, for the tool's tests: the tool's own commands, with the
// simulator's in-memory ports in place of the platform's MIDI and the tests' short timing.
//   orbpreset_simulated [--reply-loss R] [--write-loss R] [--slots-out DIR] [--twin] [--ports none]
//                       -- <orbpreset arguments>
// The controller is listed as "OrbMini Test" beside a "Synth" without a simulator; --slots-out
// writes what its slots 1 to 24 hold at the end, as "slot-NN.bin" payload files; --twin plugs in a
// second unit of the same name; "--ports none" leaves the tool no MIDI device at all, as on a
// machine without a MIDI system.

#include "OrbPresetTool.h"

#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

int main (int argc, char* argv[])
{
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    const auto separator = args.indexOf ("--");
    if (separator < 0)
        return 3;

    OrbMiniSimulator::Options options;
    juce::File slotsOut;
    bool twin = false, noPorts = false;

    for (int i = 0; i < separator; ++i)
    {
        if (args[i] == "--twin")
            twin = true;
        else if (i + 1 == separator)
            return 3;
        else if (args[i] == "--reply-loss")
            options.replyLossRate = args[++i].getDoubleValue();
        else if (args[i] == "--write-loss")
            options.writeLossRate = args[++i].getDoubleValue();
        else if (args[i] == "--slots-out")
            slotsOut = juce::File (args[++i]);
        else if (args[i] == "--ports" && args[i + 1] == "none")
        {
            noPorts = true;
            ++i;
        }
        else
            return 3;
    }

    VirtualMidiPorts ports;
    OrbMiniSimulator simulator (ports, "OrbMini Test");
    simulator.setOptions (options);
    ports.addInput ("Synth");
    ports.addOutput ("Synth");
    if (twin)
    {
        ports.addInput ("OrbMini Test");
        ports.addOutput ("OrbMini Test");
    }

    VirtualMidiPorts none;
    const auto status =
        runOrbPreset (juce::StringArray (args.strings.begin() + separator + 1, args.size() - separator - 1),
                      noPorts ? none : ports, { 0, 0, 200 });

    if (slotsOut != juce::File())
    {
        slotsOut.createDirectory();
        for (int slot = 1; slot <= 24; ++slot)
        {
            const auto payload = simulator.getSlot (slot - 1);
            slotsOut.getChildFile ("slot-" + juce::String (slot).paddedLeft ('0', 2) + ".bin")
                .replaceWithData (payload.data(), payload.size());
        }
    }

    return status;
}
