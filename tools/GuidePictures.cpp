// Draws the pictures of the user guide: the editor with the built-in default preset, one picture
// per section view, exactly as the editor window shows it (without the window's menu bar).
//
//   orbmini_guide_pictures <output directory>      (normally doc/guide/images)
//
// Files written: view-<index>-<section>.png for the view indices 0 to 8. A file whose bytes are
// unchanged is not rewritten; the last line says how many were written.

#include "app/KestrinOrbMiniEditorApplication.h"
#include "midi/MidiManager.h"
#include "model/OrbMiniModel.h"
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
