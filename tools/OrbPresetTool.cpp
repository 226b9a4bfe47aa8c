// orbpreset: shows, converts, compares and checks OrbMini preset files (*.orp) from the command
// line, with the editor's own model: presets are loaded and saved by the editor engine's file
// functions and every value is shown as the editor shows it.

#include "OrbPresetTool.h"

#include "DeviceCommands.h"
#include "midi/MidiManager.h"
#include "midi/MidiPortLayer.h"
#include "midi/OrbEditorEngine.h"
#include "midi/OrbMiniProtocol.h"
#include "midi/PresetParameterRows.h"
#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "resources/EmbeddedResources.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace
{
// Exit codes.
constexpr int exitOk = 0;        // done; files equal (diff); loads cleanly (check)
constexpr int exitDifferent = 1; // files differ (diff); loads, with values flagged (check)
constexpr int exitError = 2;     // bad use, unreadable or unloadable file, bad JSON

constexpr int headerSize = OrbMiniProtocol::frameHeaderSize;

const char* const overallHelp =
    R"(orbpreset: show, convert, compare and check OrbMini preset files (*.orp), and move them to and from the controller

Usage:
  orbpreset show FILE.orp              every parameter as the editor shows it, and the preset name
  orbpreset json FILE.orp              the preset as JSON on standard output
  orbpreset from-json FILE.json OUT.orp  write a preset file from JSON ("-" reads standard input)
  orbpreset diff A.orp B.orp           the parameters that differ
  orbpreset check FILE.orp             whether the editor would load the file, and values it would keep
  orbpreset ports                      the MIDI inputs and outputs present
  orbpreset get --device NAME SLOT OUT.orp  the preset of a controller slot (1 to 24) into a file
  orbpreset send --device NAME FILE.orp SLOT  a preset file into a controller slot, checked by reading it back
  orbpreset backup --device NAME DIR [--replace]  slots 1 to 24 into "Slot NN - <name>.orp" files in DIR
  orbpreset restore --device NAME DIR  the preset files of DIR back into their slots
  orbpreset help [COMMAND]             this overview, or one command's help (also: orbpreset COMMAND --help)

Files are read and written exactly as the editor does: a preset file is one 316-byte dump whose
parameter bytes are all 7-bit (0x00 to 0x7F); saving replaces the file only once the new one is
completely written.

The device commands talk to the controller through the MIDI input and output whose names contain
NAME, and print their progress to standard error.

Exit status: 0 success; 1 "different" (diff), "values flagged" (check) or a slot that failed (get,
send, backup, restore); 2 any error (bad use, missing or unreadable file, a file the editor would
not load, bad JSON, no device of that name).

Examples:
  orbpreset show bass.orp                  the name and every parameter, one line each
  orbpreset diff bass.orp lead.orp         what differs, by name; exit status 0 equal, 1 different
  orbpreset check odd.orp                  would the editor load it, and values it would keep
  orbpreset json bass.orp > bass.json      JSON: the shown values and the raw bytes
  orbpreset from-json bass.json bass2.orp  back to a preset file (byte for byte the same)
  orbpreset backup --device OrbMini ~/orbmini-backup   a copy of every slot of the controller
  echo '{"parameters": {"Knob 1": {"CC": 30}}}' | orbpreset from-json - knob.orp
                                           the default preset with knob 1 on CC 30
)";

const char* const showHelp =
    R"(Usage: orbpreset show FILE.orp

Prints the preset's 16-character name, then every parameter section by section ("[Knobs]"), one
line each: "<instance> / <parameter>: <value>", the value as the editor shows it (MIDI channels 1 to 16,
transpose -12 to +12, list entries by their text, MIDI-to-DIN flags "ON"/"OFF").
For knobs, pads and switches the names are those of the current mode; a byte that the mode does
not show is listed under its first name. Name characters outside printable ASCII are written
\xNN, a backslash \\ and a quote \".
Exit status 0, or 2 when the file cannot be read or the editor would not load it.
)";

const char* const jsonHelp =
    R"(Usage: orbpreset json FILE.orp

Writes the preset as JSON on standard output:
  "name":        the 16-character preset name (as "show" writes it)
  "parameters":  { "<instance>": { "<parameter>": value } }, values as the editor shows them:
                 numbers for number boxes, the entry text for lists, "ON"/"OFF" for flags,
                 null for a list value that has no entry
  "bytes":       the whole 316-byte file in hexadecimal
"orbpreset from-json" turns it back into the same file.
Exit status 0, or 2 when the file cannot be read or the editor would not load it.
)";

const char* const fromJsonHelp =
    R"(Usage: orbpreset from-json FILE.json OUT.orp      (FILE.json "-" reads standard input)

Builds a preset from JSON in the form that "orbpreset json" writes, and saves it as OUT.orp.
  1. "bytes", when present, is the starting point (it must be a dump the editor loads); without
     it the editor's built-in default preset is.
  2. "name" and every value of "parameters" are then applied on top: the shown values win over
     the bytes. A value that reads exactly as the starting point shows it leaves its byte as it
     is (so bytes the editor cannot show survive); a value that differs must be one the editor
     accepts: a number inside the parameter's range, an entry text of its list, "ON" or "OFF";
     null leaves the byte as it is. Names of knobs, pads and switches are accepted in any mode
     ("Note", "CC" and "Program" of a pad are one byte); two names of one byte that change it
     to different values are refused.
  3. A name shorter than 16 characters is filled up with spaces.
Only the parts given are applied: {"parameters": {"Knob 1": {"CC": 30}}} is the default preset
with knob 1 on CC 30. The dump's frame is written as the editor writes it.
Errors (nothing is written, exit status 2): bad JSON, an unknown instance or parameter, a value out
of range, an unknown list entry, bytes of the wrong size or with a value above 0x7F.
)";

const char* const diffHelp =
    R"(Usage: orbpreset diff A.orp B.orp

Lists every parameter whose byte differs, as "<instance> / <parameter>: <A> -> <B>" with the
values as the editor shows them (where the two presets' modes name the byte differently, B's name
is written before its value), and the preset names when they differ.
Exit status 0 when the presets are equal, 1 when they differ, 2 on error.
)";

const char* const checkHelp =
    R"(Usage: orbpreset check FILE.orp

Says whether the editor would load the file and, if not, why: its size (a preset file is exactly
316 bytes) or a byte above 0x7F, with its position (counted from 0) and the parameter it holds.
For a file that loads, it flags the values that the editor keeps although it would not let you
enter them: a value above the parameter's maximum, or one the editor cannot show (a list value
with no entry, a number outside its box's range). Frame bytes that differ from what the editor
writes are mentioned; the editor does not examine them.
Exit status 0 when the file loads with nothing flagged, 1 when it loads with values flagged, 2
when it would not load or cannot be read.
)";

void out (const juce::String& text)
{
    std::cout << text.toStdString() << '\n';
}
void err (const juce::String& text)
{
    std::cerr << "orbpreset: " << text.toStdString() << '\n';
}

// The tool never talks to a device: a port layer with no devices.
class NoMidiPorts : public MidiPortLayer
{
public:
    juce::Array<juce::MidiDeviceInfo> getInputDevices() override { return {}; }
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override { return {}; }
    std::unique_ptr<Input> openInput (const juce::String&, juce::MidiInputCallback&) override { return {}; }
    std::unique_ptr<Output> openOutput (const juce::String&) override { return {}; }
};

using Item = PresetParameterRows::Row;

// The 16 name bytes of a name text (the escapes of nameText), filled up with spaces.
std::optional<std::vector<std::uint8_t>> parseName (const juce::String& text, juce::String& error)
{
    std::vector<std::uint8_t> bytes;

    for (int i = 0; i < text.length(); ++i)
    {
        const auto c = text[i];

        if (c == '\\' && (text[i + 1] == '\\' || text[i + 1] == '"'))
        {
            bytes.push_back ((std::uint8_t) text[i + 1]);
            ++i;
        }
        else if (c == '\\' && text[i + 1] == 'x'
                 && text.substring (i + 2, i + 4).containsOnly ("0123456789abcdefABCDEF")
                 && text.substring (i + 2, i + 4).length() == 2)
        {
            bytes.push_back ((std::uint8_t) text.substring (i + 2, i + 4).getHexValue32());
            i += 3;
        }
        else if (c >= 0x20 && c < 0x7F)
            bytes.push_back ((std::uint8_t) c);
        else
        {
            error = "the name may hold only printable ASCII characters and \\xNN escapes";
            return std::nullopt;
        }
    }

    if (bytes.size() > 16 || std::any_of (bytes.begin(), bytes.end(), [] (auto b) { return b > 0x7F; }))
    {
        error = "the name \"" + text + "\" is longer than 16 characters or holds a byte above 0x7F";
        return std::nullopt;
    }

    bytes.resize (16, ' ');
    return bytes;
}

class PresetTool
{
public:
    PresetTool() : engine (OrbEditorEngine::createForOrbMini (midi)) {}

    // Every shown parameter of the engine's preset, section by section, in dump order.
    static std::vector<Item> listItems (const OrbEditorEngine& e) { return PresetParameterRows::list (e); }

    // Which parameter a dump position holds, for messages.
    juce::String describePosition (int position) const
    {
        const auto dumpSize = engine->getDumpSize();

        if (position < 9)
            return "header";
        if (position == 9)
            return "slot byte";
        if (position == dumpSize - 1)
            return "end byte";
        if (position < headerSize + 16)
            return "preset name character " + juce::String (position - headerSize + 1);

        for (const auto& item : listItems (*engine))
            if (item.position == position)
                return item.instance + " / " + item.name;

        return "payload";
    }

    // Why the editor would not load these bytes, or an empty text when it would.
    juce::String whyNotLoadable (const OrbEditorEngine::ByteArray& dump, const juce::String& what) const
    {
        const auto dumpSize = engine->getDumpSize();

        if (dump.size() != dumpSize)
            return what + " is " + juce::String (dump.size()) + " bytes long; a preset is exactly "
                   + juce::String (dumpSize) + " bytes";

        juce::StringArray found;

        for (int i = headerSize; i < dumpSize - 1; ++i)
            if (dump[i] > 0x7F)
                found.add ("the byte 0x" + juce::String::toHexString ((int) dump[i]).toUpperCase() + " at position "
                           + juce::String (i) + " (" + describePosition (i) + ")");

        if (found.isEmpty())
            return {};

        const auto shownCount = juce::jmin (found.size(), 8);
        auto text = what + " holds " + found.joinIntoString ("; ", 0, shownCount);

        if (found.size() > shownCount)
            text << "; and " << (found.size() - shownCount) << " more";

        return text + "; the editor loads only values up to 0x7F";
    }

    // Reads the file's bytes; false with a message when it cannot.
    static bool readFile (const juce::String& path, OrbEditorEngine::ByteArray& bytes, juce::String& error)
    {
        const juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile (path);

        if (file.isDirectory())
        {
            error = path + " is a directory";
            return false;
        }

        if (! file.existsAsFile())
        {
            error = "no such file: " + path;
            return false;
        }

        juce::FileInputStream in (file);

        if (in.failedToOpen())
        {
            error = "cannot read " + path + ": " + in.getStatus().getErrorMessage();
            return false;
        }

        juce::MemoryBlock data;
        in.readIntoMemoryBlock (data);

        if (in.getStatus().failed())
        {
            error = "cannot read " + path + ": " + in.getStatus().getErrorMessage();
            return false;
        }

        bytes = OrbEditorEngine::ByteArray ((const std::uint8_t*) data.getData(), (int) data.getSize());
        return true;
    }

    // Loads a preset file as the editor does; a message says why not when it fails.
    bool load (OrbEditorEngine& target, const juce::String& path, juce::String& error) const
    {
        OrbEditorEngine::ByteArray bytes;

        if (! readFile (path, bytes, error))
            return false;

        if (const auto why = whyNotLoadable (bytes, path); why.isNotEmpty())
        {
            error = why;
            return false;
        }

        if (! target.loadPresetFile (juce::File::getCurrentWorkingDirectory().getChildFile (path)))
        {
            error = "the editor does not load " + path;
            return false;
        }

        return true;
    }

    int show (const juce::String& path)
    {
        juce::String error;

        if (! load (*engine, path, error))
            return fail (error);

        out ("Name: \"" + PresetParameterRows::nameText (engine->buildDump (0)) + "\"");

        juce::String lastSection, lastInstance;
        for (const auto& item : listItems (*engine))
        {
            if (item.section != lastSection)
                out ("\n[" + item.section + "]");
            else if (item.instance != lastInstance)
                out ({});

            lastSection = item.section;
            lastInstance = item.instance;
            out (item.instance + " / " + item.name + ": " + item.text());
        }

        return exitOk;
    }

    int json (const juce::String& path)
    {
        juce::String error;

        if (! load (*engine, path, error))
            return fail (error);

        const auto dump = engine->buildDump (0);
        auto* parameters = new juce::DynamicObject();

        for (const auto& item : listItems (*engine))
        {
            auto instance = parameters->getProperty (item.instance);

            if (! instance.isObject())
            {
                instance = new juce::DynamicObject();
                parameters->setProperty (item.instance, instance);
            }

            juce::var value;
            if (item.shown->kind == PresetPresentation::Kind::number)
                value = item.stored + item.shown->offset;
            else if (item.shown->toText (item.stored).isNotEmpty())
                value = item.shown->toText (item.stored);

            instance.getDynamicObject()->setProperty (item.name, value);
        }

        auto* root = new juce::DynamicObject();
        root->setProperty ("name", PresetParameterRows::nameText (dump));
        root->setProperty ("parameters", juce::var (parameters));
        root->setProperty ("bytes", juce::String::toHexString (dump.getRawDataPointer(), dump.size()).toUpperCase());
        out (juce::JSON::toString (juce::var (root)));
        return exitOk;
    }

    int fromJson (const juce::String& jsonPath, const juce::String& outPath)
    {
        juce::String text;

        if (jsonPath == "-")
        {
            text = juce::String (std::string (std::istreambuf_iterator<char> (std::cin), {}));
        }
        else
        {
            OrbEditorEngine::ByteArray bytes;
            juce::String error;

            if (! readFile (jsonPath, bytes, error))
                return fail (error);

            text = juce::String::fromUTF8 ((const char*) bytes.getRawDataPointer(), bytes.size());
        }

        juce::var root;
        const auto parsed = juce::JSON::parse (text, root);

        if (parsed.failed())
            return fail ("bad JSON in " + jsonPath + ": " + parsed.getErrorMessage());

        if (! root.isObject())
            return fail ("bad JSON in " + jsonPath + ": expected an object with \"parameters\" and \"bytes\"");

        for (const auto& property : root.getDynamicObject()->getProperties())
            if (! juce::StringArray { "name", "parameters", "bytes" }.contains (property.name.toString()))
                return fail ("unknown key \"" + property.name.toString() + "\" in " + jsonPath
                             + " (expected \"name\", \"parameters\", \"bytes\")");

        if (auto error = applyBytes (root["bytes"]); error.isNotEmpty())
            return fail (error);

        const auto base = engine->buildDump (0);

        if (auto error = applyName (root["name"], base); error.isNotEmpty())
            return fail (error);

        if (auto error = applyParameters (root["parameters"], base); error.isNotEmpty())
            return fail (error);

        const juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile (outPath);

        if (! engine->savePresetFile (file))
            return fail ("cannot write " + outPath);

        return exitOk;
    }

    int diff (const juce::String& pathA, const juce::String& pathB)
    {
        auto other = OrbEditorEngine::createForOrbMini (midi);
        juce::String error;

        if (! load (*engine, pathA, error) || ! load (*other, pathB, error))
            return fail (error);

        bool different = false;
        const auto nameA = PresetParameterRows::nameText (engine->buildDump (0)),
                   nameB = PresetParameterRows::nameText (other->buildDump (0));

        if (nameA != nameB)
        {
            out ("Name: \"" + nameA + "\" -> \"" + nameB + "\"");
            different = true;
        }

        for (const auto& [a, b] : PresetParameterRows::differences (listItems (*engine), listItems (*other)))
        {
            different = true;
            out (a.instance + " / " + a.name + ": " + a.text() + " -> "
                 + (b.name != a.name ? b.name + ": " : juce::String()) + b.text());
        }

        return different ? exitDifferent : exitOk;
    }

    int check (const juce::String& path)
    {
        OrbEditorEngine::ByteArray bytes;
        juce::String error;

        if (! readFile (path, bytes, error))
            return fail (error);

        if (const auto why = whyNotLoadable (bytes, path); why.isNotEmpty())
        {
            out (path + ": the editor would not load it: " + why + ".");
            return exitError;
        }

        if (! engine->loadPresetFile (juce::File::getCurrentWorkingDirectory().getChildFile (path)))
        {
            out (path + ": the editor would not load it.");
            return exitError;
        }

        out (path + ": the editor loads it.");

        const auto written = engine->buildDump (0);
        juce::StringArray frame;
        for (int i : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, bytes.size() - 1 })
            if (bytes[i] != written[i])
                frame.add (juce::String (i));

        if (! frame.isEmpty())
            out ("Note: frame bytes at position " + frame.joinIntoString (", ")
                 + " differ from what the editor writes; it does not examine them and writes its own when saving.");

        int flagged = 0;

        for (const auto& item : listItems (*engine))
        {
            const auto maximum = (int) item.group->getMaximum (item.name);
            const auto where = item.instance + " / " + item.name + ": stored " + juce::String (item.stored);

            if (item.stored > maximum)
                out (where + " is above its maximum " + juce::String (maximum) + " (shown as " + item.text()
                     + "); the editor keeps it.");
            else if (item.shown->canShow (item.stored, item.group))
                continue;
            else if (item.shown->kind == PresetPresentation::Kind::number)
                out (where + " is shown as " + item.text() + ", outside the editor's box ("
                     + juce::String (item.shown->getShownMinimum (item.group)) + " to "
                     + juce::String (item.shown->getShownMaximum (item.group)) + "); the editor keeps it.");
            else
                out (where + " has no entry in the editor's list, which then shows none; the editor keeps it.");

            ++flagged;
        }

        if (flagged > 0)
            out (juce::String (flagged) + (flagged == 1 ? " value" : " values") + " flagged.");

        return flagged > 0 ? exitDifferent : exitOk;
    }

    static int fail (const juce::String& message)
    {
        err (message);
        return exitError;
    }

private:
    // Starts from the given dump, or from the built-in default preset.
    juce::String applyBytes (const juce::var& value)
    {
        OrbEditorEngine::ByteArray dump;

        if (value.isVoid())
        {
            const auto* preset = EmbeddedResources::find (EmbeddedResources::defaultPreset);

            if (preset == nullptr)
                return "the built-in default preset is missing";

            dump = OrbEditorEngine::ByteArray (preset->data, (int) preset->size);
        }
        else
        {
            const auto hex = value.toString().removeCharacters (" \t\r\n");

            if (! value.isString() || hex.length() % 2 != 0 || ! hex.containsOnly ("0123456789abcdefABCDEF"))
                return "\"bytes\" must be a string of hexadecimal byte values";

            juce::MemoryBlock block;
            block.loadFromHexString (hex);
            dump = OrbEditorEngine::ByteArray ((const std::uint8_t*) block.getData(), (int) block.getSize());

            if (const auto why = whyNotLoadable (dump, "\"bytes\""); why.isNotEmpty())
                return why;
        }

        return engine->loadPresetData (dump) ? juce::String() : "the editor does not load \"bytes\"";
    }

    juce::String applyName (const juce::var& value, const OrbEditorEngine::ByteArray& base)
    {
        if (value.isVoid() || (value.isString() && value.toString() == PresetParameterRows::nameText (base)))
            return {};

        if (! value.isString())
            return "\"name\" must be a string";

        juce::String error;
        const auto bytes = parseName (value.toString(), error);

        if (! bytes)
            return error;

        auto* group = engine->getControl (ControlType::presetName);
        for (int i = 0; i < 16; ++i)
            group->setParameterValue ("Preset Name " + juce::String (i + 1), (*bytes)[(size_t) i], false);

        return {};
    }

    juce::String applyParameters (const juce::var& parameters, const OrbEditorEngine::ByteArray& base)
    {
        if (parameters.isVoid())
            return {};

        if (! parameters.isObject())
            return "\"parameters\" must be an object of instances";

        // The changes made so far by position, to refuse two names of one byte that change it differently.
        std::map<int, std::pair<juce::String, int>> given;

        for (const auto& instance : parameters.getDynamicObject()->getProperties())
        {
            const auto instanceTitle = instance.name.toString();
            const PresetPresentation::Section* section = nullptr;
            int index = -1;

            for (const auto& s : PresetPresentation::getSections())
                for (int i = 0; i < engine->getNumControls (s.type) && section == nullptr; ++i)
                    if (s.getInstanceTitle (i) == instanceTitle)
                        section = &s, index = i;

            if (section == nullptr)
                return "unknown instance \"" + instanceTitle + "\" in \"parameters\"";

            if (! instance.value.isObject())
                return instanceTitle + ": expected an object of parameters";

            auto* group = engine->getControl (section->type, index);

            for (const auto& parameter : instance.value.getDynamicObject()->getProperties())
            {
                const auto name = parameter.name.toString();
                const auto* shown = section->findParameter (name);
                const auto where = instanceTitle + " / " + name;

                if (shown == nullptr)
                {
                    juce::StringArray known;
                    for (const auto& p : section->parameters)
                        known.add (p.name);
                    return where + ": unknown parameter (known: " + known.joinIntoString (", ") + ")";
                }

                const auto position = headerSize + group->getDumpOffset() + group->getParameterIndex (name);
                const int baseStored = base[position];
                int stored = baseStored;

                if (auto error = readValue (*shown, *group, parameter.value, baseStored, stored); error.isNotEmpty())
                    return where + ": " + error;

                if (stored == baseStored)
                    continue;

                if (const auto earlier = given.find (position);
                    earlier != given.end() && earlier->second.second != stored)
                    return where + " and " + earlier->second.first + " are one byte but are given different values";

                given[position] = { where, stored };
                group->setParameterValue (name, (std::uint8_t) stored, false);
            }
        }

        return {};
    }

    // The stored value of a shown JSON value: the base byte when it reads as the base shows it,
    // else a value the editor accepts.
    static juce::String readValue (const PresetPresentation::Parameter& shown, const Control& group,
                                   const juce::var& value, int baseStored, int& stored)
    {
        const int minimum = group.getMinimum (shown.name), maximum = group.getMaximum (shown.name);

        if (value.isVoid()
            || (shown.kind != PresetPresentation::Kind::number && value.isString()
                && value.toString() == shown.toText (baseStored)))
            return {};

        if (shown.kind == PresetPresentation::Kind::number)
        {
            const double real = value.isInt() || value.isInt64() || value.isDouble() ? (double) value : 0.5;

            if (std::floor (real) != real)
                return "expected a whole number, not " + juce::JSON::toString (value, true);

            if (real == baseStored + shown.offset)
                return {};

            const int low = juce::jmax (shown.getShownMinimum (&group), minimum + shown.offset);
            const int high = juce::jmin (shown.getShownMaximum (&group), maximum + shown.offset);

            if (real < low || real > high)
                return juce::JSON::toString (value, true) + " is out of range (" + juce::String (low) + " to "
                       + juce::String (high) + ")";

            const auto number = (int) real;

            stored = number - shown.offset;
            return {};
        }

        if (! value.isString())
            return "expected one of " + shown.entries.joinIntoString (", ") + ", not "
                   + juce::JSON::toString (value, true);

        const auto index = shown.entries.indexOf (value.toString());

        if (index < minimum || index > maximum)
            return "unknown entry \"" + value.toString() + "\" (one of: " + shown.entries.joinIntoString (", ") + ")";

        stored = index;
        return {};
    }

    NoMidiPorts ports;
    MidiManager midi { ports };
    OrbEditorEngine::Ptr engine;
};

struct Command
{
    const char* name;
    const char* help;
    int numArguments; // files; the device commands count their own
};

constexpr int deviceCommand = -1;

const Command commands[] = { { "show", showHelp, 1 },
                             { "json", jsonHelp, 1 },
                             { "from-json", fromJsonHelp, 2 },
                             { "diff", diffHelp, 2 },
                             { "check", checkHelp, 1 },
                             { "ports", DeviceCommands::portsHelp, deviceCommand },
                             { "get", DeviceCommands::getHelp, deviceCommand },
                             { "send", DeviceCommands::sendHelp, deviceCommand },
                             { "backup", DeviceCommands::backupHelp, deviceCommand },
                             { "restore", DeviceCommands::restoreHelp, deviceCommand } };

const Command* findCommand (const juce::String& name)
{
    for (const auto& command : commands)
        if (name == command.name)
            return &command;

    return nullptr;
}

bool isHelpOption (const juce::String& argument)
{
    return argument == "--help" || argument == "-h" || argument == "help";
}

} // namespace

int runOrbPreset (const juce::StringArray& args, MidiPortLayer& devicePorts, OrbEditorEngine::Timing timing)
{
    if (args.isEmpty())
    {
        std::cerr << overallHelp;
        return exitError;
    }

    if (isHelpOption (args[0]))
    {
        if (args.size() < 2)
        {
            std::cout << overallHelp;
            return exitOk;
        }

        if (const auto* command = findCommand (args[1]))
        {
            std::cout << command->help;
            return exitOk;
        }

        return PresetTool::fail ("no such command: " + args[1] + " (see orbpreset --help)");
    }

    const auto* command = findCommand (args[0]);

    if (command == nullptr)
        return PresetTool::fail ("unknown command \"" + args[0] + "\" (see orbpreset --help)");

    const auto arguments = juce::StringArray (args.strings.begin() + 1, args.size() - 1);

    if (arguments.contains ("--help") || arguments.contains ("-h"))
    {
        std::cout << command->help;
        return exitOk;
    }

    if (command->numArguments == deviceCommand)
    {
        juce::ScopedJuceInitialiser_GUI framework;
        return DeviceCommands (devicePorts, timing).run (command->name, arguments);
    }

    if (arguments.size() != command->numArguments)
    {
        err (juce::String (command->name) + " takes " + juce::String (command->numArguments)
             + (command->numArguments == 1 ? " file" : " files"));
        std::cerr << command->help;
        return exitError;
    }

    // The engine and its port manager need the framework's message manager (timers), not a display.
    juce::ScopedJuceInitialiser_GUI framework;
    PresetTool tool;
    const juce::String name (command->name);

    if (name == "show")
        return tool.show (arguments[0]);
    if (name == "json")
        return tool.json (arguments[0]);
    if (name == "from-json")
        return tool.fromJson (arguments[0], arguments[1]);
    if (name == "diff")
        return tool.diff (arguments[0], arguments[1]);

    return tool.check (arguments[0]);
}
