// Draws the pictures of the user guide: the editor with the built-in default preset, one picture
// per section view, exactly as the editor window shows it (without the window's menu bar), the
// get dialog, the list of differences of a comparison and the MIDI monitor during a get.
//
//   orbmini_guide_pictures <output directory>      (normally doc/guide/images)
//
// Files written: view-<index>-<section>.png for the view indices 0 to 8, dialog-get.png,
// compare.png and midi-monitor.png. A file whose bytes are
// unchanged is not rewritten; the last line says how many were written.

#include "app/GetPresetComponent.h"
#include "app/MidiMonitorComponent.h"
#include "app/KestrinOrbMiniEditorApplication.h"
#include "app/PresetCompareComponent.h"
#include "midi/MidiManager.h"
#include "midi/OrbMiniProtocol.h"
#include "model/OrbMiniModel.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"
#include "views/EditorComponent.h"
#include "views/TabSelectorButtons.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
// The section of each view index, as the guide names its pictures.
const char* const sectionNames[EditorComponent::numViews] { "main",      "knobs",     "switches",
                                                            "drum-pads", "roll-mode", "transport",
                                                            "keybed",    "mod-pitch", "sustain" };

bool writeIfChanged (const juce::Image& image, const juce::File& file)
{
    juce::MemoryOutputStream png;
    juce::PNGImageFormat().writeImageToStream (image, png);

    if (file.existsAsFile())
    {
        juce::MemoryBlock existing;
        file.loadFileAsData (existing);

        if (existing == png.getMemoryBlock())
            return false;
    }

    if (! file.replaceWithData (png.getData(), png.getDataSize()))
        throw std::runtime_error ("cannot write " + file.getFullPathName().toStdString());

    return true;
}

// The monitor's rows of two turns of a knob, then of the middle of a get of slot 3 with the given
// payload: made-up times, 3 ms between requests and each reply 0.4 ms after its request.
std::vector<MidiMonitorRecord::Entry> madeUpGet (const OrbEditorEngine::ByteArray& dump)
{
    using Direction = MidiMonitorRecord::Direction;
    std::vector<MidiMonitorRecord::Entry> entries;
    entries.push_back (MidiMonitorRecord::makeEntry (Direction::in, juce::MidiMessage (0xB0, 0x07, 0x64), 2417300));
    entries.push_back (MidiMonitorRecord::makeEntry (Direction::in, juce::MidiMessage (0xB0, 0x07, 0x66), 2431900));

    const std::int64_t start = 5120400;
    for (int position = 150; position < 158; ++position)
    {
        const auto sent = start + (position - 150) * 3000;
        entries.push_back (MidiMonitorRecord::makeEntry (
            Direction::out, OrbMiniProtocol::makeValueRequest (OrbMiniModel::modelByte, 2, position), sent));

        const auto value = dump[OrbMiniProtocol::frameHeaderSize + position];
        entries.push_back (
            MidiMonitorRecord::makeEntry (Direction::in, OrbMiniSimulator::makeReply (position, value), sent + 400));
    }

    return entries;
}

int run (const juce::File& folder)
{
    KestrinOrbMiniEditorApplication app;
    VirtualMidiPorts ports;
    MidiManager midi { ports };

    // The window's content as a new window of the editor has it.
    auto engine = OrbEditorEngine::createForOrbMini (midi);
    engine->loadPresetData (OrbEditorEngine::ByteArray (app.getDefaultPresetData(), app.getDefaultPresetDataSize()));
    EditorComponent editor (new TabSelectorButtons(), app.createProductImageViewSelector(), engine,
                            OrbMiniModel::numKnobs, OrbMiniModel::numPads, OrbMiniModel::numSwitches);

    folder.createDirectory();
    int written = 0;

    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        editor.viewSelected (view);
        const auto picture = editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f);
        const auto name = "view-" + juce::String (view) + "-" + sectionNames[view] + ".png";

        if (writeIfChanged (picture, folder.getChildFile (name)))
            ++written;
    }

    GetPresetComponent getDialog (nullptr);
    if (writeIfChanged (getDialog.createComponentSnapshot (getDialog.getLocalBounds(), true, 1.0f),
                        folder.getChildFile ("dialog-get.png")))
        ++written;

    // The default preset against one with a few values changed, as from a file.
    auto other = OrbEditorEngine::createForOrbMini (midi);
    other->applyDump (engine->buildDump (0));
    const auto change = [&other] (ControlType type, int index, const char* name, int by) {
        if (auto* group = other->getControl (type, index))
            group->setParameterValue (name, (std::uint8_t) (group->getParameterValue (name) + by), false);
    };
    change (ControlType::knobs, 0, "CC", 10);
    change (ControlType::knobs, 2, "MIDI Channel", 1);

    PresetCompareComponent compare (PresetCompareComponent::compare (*engine, *other), "File: bass.orp");
    if (writeIfChanged (compare.createComponentSnapshot (compare.getLocalBounds(), true, 1.0f),
                        folder.getChildFile ("compare.png")))
        ++written;

    // The monitor over the simulated controller's ports, showing made-up traffic.
    OrbMiniSimulator simulator (ports, "OrbMini");
    midi.setInput ("OrbMini");
    midi.setOutput ("OrbMini");
    {
        MidiMonitorComponent monitor (midi, nullptr);
        monitor.append (madeUpGet (engine->buildDump (0)));
        if (writeIfChanged (monitor.createComponentSnapshot (monitor.getLocalBounds(), true, 1.0f),
                            folder.getChildFile ("midi-monitor.png")))
            ++written;
    }

    std::cout << written << " written" << std::endl;
    return 0;
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: orbmini_guide_pictures <output directory>" << std::endl;
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI framework;

    try
    {
        return run (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    }
    catch (const std::exception& e)
    {
        std::cerr << "orbmini_guide_pictures: " << e.what() << std::endl;
        return 1;
    }
}
