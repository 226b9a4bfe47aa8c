#include "DeviceCommands.h"

#include "midi/GetDiagnostics.h"
#include "midi/LibrarianPlan.h"
#include "midi/MidiManager.h"
#include "midi/SlotLibrarian.h"

#include <iostream>

namespace
{
constexpr int exitOk = 0;
constexpr int exitSlotFailed = 1;
constexpr int exitError = 2;

void progress (const juce::String& text)
{
    std::cerr << text.toStdString() << '\n';
}

int fail (const juce::String& message)
{
    std::cerr << "orbpreset: " << message.toStdString() << '\n';
    return exitError;
}

// The one port whose name contains the text: an exact name wins over names that only contain it.
juce::String findPort (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& text, juce::String& error)
{
    juce::StringArray matches;

    for (const auto& d : devices)
    {
        if (d.name == text)
            return d.name;
        if (d.name.containsIgnoreCase (text))
            matches.addIfNotAlreadyThere (d.name);
    }

    if (matches.size() > 1)
        error =
            "several MIDI ports match \"" + text + "\": " + matches.joinIntoString (", ") + "; give more of the name";

    return matches.size() == 1 ? matches[0] : juce::String();
}

// A line for each port of that name, with its identifier, when several devices carry the name.
void listSameNamed (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name,
                    const juce::String& direction, juce::StringArray& lines)
{
    juce::StringArray found;
    for (const auto& d : devices)
        if (d.name == name)
            found.add ("  " + direction + " " + d.name + " (" + d.identifier + ")");
    if (found.size() > 1)
        lines.addArray (found);
}

void runMessageLoopWhile (const std::function<bool()>& condition)
{
    while (condition())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
}

// Prints a slot's progress line each time the phase changes.
struct PhasePrinter : OrbEditorEngine::TransferListener
{
    void transferChanged (const TransferStatus& status) override
    {
        if (status.isRunning() && status.phase != lastPhase && status.phase != TransferStatus::Phase::waiting)
            progress (status.describe());
        lastPhase = status.phase;
    }

    TransferStatus::Phase lastPhase = TransferStatus::Phase::waiting;
};

struct LibrarianPrinter : SlotLibrarian::Listener
{
    void librarianChanged (const SlotLibrarian& l) override
    {
        if (l.getOutcomes().size() > printed)
        {
            const auto& outcome = l.getOutcomes().back();
            progress (
                juce::String (l.getCurrentIndex() + 1) + " of " + juce::String (l.getNumJobs()) + ": "
                + (! outcome.succeeded ? outcome.failure
                   : l.getDirection() == SlotLibrarian::Direction::backup
                       ? "slot " + juce::String (outcome.job.slotNumber) + " saved as " + outcome.job.file.getFileName()
                       : "slot " + juce::String (outcome.job.slotNumber) + " holds " + outcome.job.file.getFileName()));
            printed = l.getOutcomes().size();
        }
    }

    size_t printed = 0;
};
} // namespace

const char* const DeviceCommands::portsHelp =
    R"(Usage: orbpreset ports

Lists the MIDI inputs and outputs present, one name a line under "Inputs:" and "Outputs:". The
other device commands pick an input and an output by a part of these names (--device NAME); two
devices of one name cannot be told apart, and the commands refuse them.
Exit status 0.
)";

const char* const DeviceCommands::getHelp =
    R"(Usage: orbpreset get --device NAME SLOT OUT.orp

Gets the preset of the controller's slot SLOT (1 to 24) and saves it as OUT.orp, exactly as the
editor's "Get Preset" and "Save" would. NAME picks the MIDI input and output whose names contain it
(an exact name wins; see orbpreset ports).
Exit status 0 when the file is saved, 1 when the controller did not give the whole preset, 2 on
bad use, an unknown device or a file that cannot be written.
)";

const char* const DeviceCommands::sendHelp =
    R"(Usage: orbpreset send --device NAME FILE.orp SLOT

Sends the preset file into the controller's slot SLOT (1 to 24), then reads the slot back and
writes again whatever differs, until the controller holds every value.
Exit status 0 when the slot holds the preset, 1 when it does not, 2 on bad use, an unknown device
or a file the editor would not load.
)";

const char* const DeviceCommands::backupHelp =
    R"(Usage: orbpreset backup --device NAME DIR [--replace]

Gets slots 1 to 24 one after another and saves each into DIR (made if missing) as
"Slot 01 - <name>.orp" ... "Slot 24 - <name>.orp", named after the preset's name. A slot that fails
is reported and the others go on. Older backup files in DIR ("Slot NN ...") are replaced only with
--replace; without it the backup does not start.
Exit status 0 when all 24 slots are saved, 1 when a slot failed, 2 on bad use or an unknown device.
)";

const char* const DeviceCommands::restoreHelp =
    R"(Usage: orbpreset restore --device NAME DIR

Sends the preset files of DIR into the controller, each with the read-back check of "send". A file
named "Slot NN ..." goes into slot NN; the others fill the slots left free, in name order; files
beyond 24 slots are listed and not sent. A slot that fails is reported and the others go on.
Exit status 0 when every file is in its slot, 1 when a slot failed or a file was not sent, 2 on bad
use, an unknown device or a folder without preset files.
)";

DeviceCommands::DeviceCommands (MidiPortLayer& p, OrbEditorEngine::Timing t) : ports (p), timing (t)
{
    // Standard output carries only what a command is for; progress goes to standard error.
    GetDiagnostics::setEnabled (false);
}

int DeviceCommands::run (const juce::String& command, juce::StringArray arguments)
{
    bool replace = false;

    for (int i = arguments.size(); --i >= 0;)
    {
        if (arguments[i] == "--replace" && command == "backup")
        {
            replace = true;
            arguments.remove (i);
        }
        else if (arguments[i] == "--device" && i + 1 < arguments.size())
        {
            device = arguments[i + 1];
            arguments.removeRange (i, 2);
        }
    }

    const auto usage = [] (const juce::String& message, const char* help) {
        std::cerr << "orbpreset: " << message.toStdString() << '\n' << help;
        return exitError;
    };

    struct Shape
    {
        const char* name;
        int numArguments;
        const char* help;
    };
    const Shape shapes[] = { { "ports", 0, portsHelp },
                             { "get", 2, getHelp },
                             { "send", 2, sendHelp },
                             { "backup", 1, backupHelp },
                             { "restore", 1, restoreHelp } };

    for (const auto& shape : shapes)
    {
        if (command != shape.name)
            continue;

        if (arguments.size() != shape.numArguments || arguments.contains ("--device"))
            return usage (command + ": wrong arguments", shape.help);
        if (command != "ports" && device.isEmpty())
            return usage (command + " needs --device NAME", shape.help);
    }

    if (command == "ports")
        return listPorts();
    if (command == "get")
        return get (arguments[0], arguments[1]);
    if (command == "send")
        return send (arguments[0], arguments[1]);
    if (command == "backup")
        return backup (arguments[0], replace);
    return restore (arguments[0]);
}

int DeviceCommands::listPorts()
{
    // No heading over an empty list: a machine without a MIDI system is told so.
    const auto list = [] (const auto& devices, const char* heading, const char* none) {
        if (devices.isEmpty())
        {
            std::cout << none << '\n';
            return;
        }

        std::cout << heading << '\n';
        for (const auto& d : devices)
            std::cout << "  " << d.name.toStdString() << '\n';
    };

    list (ports.getInputDevices(), "Inputs:", "No MIDI inputs");
    list (ports.getOutputDevices(), "Outputs:", "No MIDI outputs");
    return exitOk;
}

bool DeviceCommands::connect (MidiManager& midi)
{
    juce::String error;
    const auto input = findPort (ports.getInputDevices(), device, error);
    const auto output = error.isEmpty() ? findPort (ports.getOutputDevices(), device, error) : juce::String();

    if (error.isEmpty() && (input.isEmpty() || output.isEmpty()))
        error = "no MIDI " + juce::String (input.isEmpty() ? "input" : "output") + " named like \"" + device
                + "\" is present (see orbpreset ports)";

    // Two units of one model carry the same names, and the tool cannot tell which one is meant.
    if (error.isEmpty())
    {
        juce::StringArray twins;
        listSameNamed (ports.getInputDevices(), input, "input", twins);
        listSameNamed (ports.getOutputDevices(), output, "output", twins);
        if (! twins.isEmpty())
            error = "\"" + device + "\" names more than one device; connect only the one to use:\n"
                    + twins.joinIntoString ("\n");
    }

    if (error.isEmpty())
    {
        midi.setInput (input);
        midi.setOutput (output);

        if (! midi.isConnected() || ! midi.isOutputOpen())
            error = "cannot open the MIDI ports of \"" + device + "\"";
    }

    if (error.isNotEmpty())
    {
        fail (error);
        return false;
    }

    progress ("Using input \"" + input + "\" and output \"" + output + "\"");
    return true;
}

int DeviceCommands::parseSlot (const juce::String& text)
{
    const auto slot = text.getIntValue();
    return text.containsOnly ("0123456789") && slot >= 1 && slot <= LibrarianPlan::numSlots ? slot : 0;
}

int DeviceCommands::badSlot (const juce::String& text)
{
    return fail ("the slot must be a number from 1 to " + juce::String (LibrarianPlan::numSlots) + ", not \"" + text
                 + "\"");
}

int DeviceCommands::transfer (OrbEditorEngine& engine, TransferStatus::Kind kind, int slot)
{
    PhasePrinter printer;
    engine.addTransferListener (&printer);

    if (kind == TransferStatus::Kind::get)
        engine.getPreset ((std::uint8_t) (slot - 1));
    else
        engine.sendPreset ((std::uint8_t) (slot - 1));

    runMessageLoopWhile ([&] { return engine.isGetting() || engine.isSending(); });
    engine.removeTransferListener (&printer);

    const auto status = engine.getTransferStatus (kind);

    if (status.phase != TransferStatus::Phase::succeeded)
    {
        progress ("orbpreset: "
                  + (status.failure.isNotEmpty() ? status.failure : juce::String ("the transfer did not end")));
        return exitSlotFailed;
    }

    return exitOk;
}

int DeviceCommands::get (const juce::String& slotText, const juce::String& outPath)
{
    const auto slot = parseSlot (slotText);
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (outPath);

    if (slot == 0)
        return badSlot (slotText);
    if (file.isDirectory())
        return fail (outPath + " is a directory");

    MidiManager midi (ports);
    if (! connect (midi))
        return exitError;

    auto engine = OrbEditorEngine::createForOrbMini (midi, timing);
    const auto status = transfer (*engine, TransferStatus::Kind::get, slot);

    if (status != exitOk)
        return status;

    if (! engine->savePresetFile (file))
        return fail ("cannot write " + outPath);

    progress ("Slot " + juce::String (slot) + " saved as " + outPath);
    return exitOk;
}

int DeviceCommands::send (const juce::String& path, const juce::String& slotText)
{
    const auto slot = parseSlot (slotText);
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (path);

    if (slot == 0)
        return badSlot (slotText);

    MidiManager midi (ports);
    auto engine = OrbEditorEngine::createForOrbMini (midi, timing);

    if (! file.existsAsFile() || ! engine->loadPresetFile (file))
        return fail (path + " is not a preset file the editor loads (see orbpreset check)");

    if (! connect (midi))
        return exitError;

    const auto status = transfer (*engine, TransferStatus::Kind::send, slot);

    if (status == exitOk)
        progress ("Slot " + juce::String (slot) + " holds " + path);

    return status;
}

int DeviceCommands::backup (const juce::String& dirPath, bool replace)
{
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (dirPath);

    if (folder.existsAsFile())
        return fail (dirPath + " is a file, not a folder");

    if (const auto existing = LibrarianPlan::findBackupFiles (folder); ! existing.isEmpty() && ! replace)
        return fail (dirPath + " already holds backup files (" + existing[0].getFileName()
                     + "); add --replace to replace them");

    if (! folder.createDirectory())
        return fail ("cannot make the folder " + dirPath);

    MidiManager midi (ports);
    if (! connect (midi))
        return exitError;

    SlotLibrarian librarian (midi, SlotLibrarian::Direction::backup, SlotLibrarian::allSlots(), folder, replace,
                             timing);
    LibrarianPrinter printer;
    librarian.addListener (&printer);
    librarian.start();
    runMessageLoopWhile ([&] { return librarian.isRunning(); });
    librarian.removeListener (&printer);

    progress (librarian.describeSummary().upToFirstOccurrenceOf ("\n", false, false));
    return librarian.getNumFailed() > 0 ? exitSlotFailed : exitOk;
}

int DeviceCommands::restore (const juce::String& dirPath)
{
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (dirPath);

    if (! folder.isDirectory())
        return fail ("no such folder: " + dirPath);

    std::vector<SlotLibrarian::Job> jobs;
    juce::StringArray leftOut;
    for (const auto& entry : LibrarianPlan::assignSlots (folder))
    {
        if (entry.slotNumber == 0)
        {
            progress ("Not sent, no slot left: " + entry.file.getFileName());
            leftOut.add (entry.file.getFileName());
        }
        else
        {
            jobs.push_back ({ entry.slotNumber, entry.file });
        }
    }

    if (jobs.empty())
        return fail (dirPath + " holds no preset files (*.orp)");

    MidiManager midi (ports);
    if (! connect (midi))
        return exitError;

    SlotLibrarian librarian (midi, SlotLibrarian::Direction::restore, jobs, {}, false, timing);
    LibrarianPrinter printer;
    librarian.addListener (&printer);
    librarian.start();
    runMessageLoopWhile ([&] { return librarian.isRunning(); });
    librarian.removeListener (&printer);

    progress (librarian.describeSummary().upToFirstOccurrenceOf ("\n", false, false));

    for (const auto& name : leftOut)
        progress ("Not sent: " + name);

    return librarian.getNumFailed() > 0 || ! leftOut.isEmpty() ? exitSlotFailed : exitOk;
}
