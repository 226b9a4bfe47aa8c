// Fuzz target: a preset file with arbitrary content, opened the way an editor window opens one.
//
// The bytes are written to a ".orp" file and loaded with OrbEditorEngine::loadPresetFile into an
// engine whose editor component (all nine section views, every widget bound) listens, so that an
// accepted file also refreshes every widget with whatever values it holds. Byte 9 (the slot byte,
// which the load ignores) picks a section view that is then painted.
//
// Checked on every input, beyond the sanitizers:
//  - a refused file leaves the preset exactly as it was;
//  - an accepted file is exactly 316 bytes, and the preset's dump then carries its payload byte
//    for byte (nothing is masked or clamped on the way in);
//  - saving that preset writes exactly that dump.

#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "model/OrbMiniModel.h"
#include "simulator/VirtualMidiPorts.h"
#include "views/EditorComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

struct Harness
{
    Harness() { scratch.createDirectory(); }
    ~Harness() { scratch.deleteRecursively(); } // the editor goes before the engine it shows

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    VirtualMidiPorts ports;
    MidiManager manager { ports };
    OrbEditorEngine::Ptr engine = OrbEditorEngine::createForOrbMini (manager);
    std::unique_ptr<EditorComponent> editor { std::make_unique<EditorComponent> (
        nullptr, nullptr, engine, OrbMiniModel::numKnobs, OrbMiniModel::numPads, OrbMiniModel::numSwitches) };
    juce::File scratch = juce::File::createTempFile (""), input = scratch.getChildFile ("input.orp"),
               saved = scratch.getChildFile ("saved.orp");
};

Harness* harness = nullptr;

[[noreturn]] void fail (const char* what)
{
    std::fprintf (stderr, "fuzz_preset_file: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    harness = new Harness();
    std::atexit ([] { delete harness; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    auto& h = *harness;
    auto& engine = *h.engine;
    const auto before = engine.buildDump (0);

    if (! h.input.replaceWithData (data, size))
        fail ("could not write the scratch file");

    if (! engine.loadPresetFile (h.input))
    {
        if (engine.buildDump (0) != before)
            fail ("a refused file changed the preset");
        return 0;
    }

    if ((int) size != engine.getDumpSize()
        || std::any_of (data + 10, data + size - 1, [] (auto b) { return b > 0x7F; }))
        fail ("a file the editor must refuse was loaded");

    const auto dump = engine.buildDump (0);
    for (int i = 10; i < dump.size() - 1; ++i)
        if (dump.getUnchecked (i) != data[i])
            fail ("the loaded preset does not carry the file's payload");

    juce::MemoryBlock written;
    if (! engine.savePresetFile (h.saved) || ! h.saved.loadFileAsData (written)
        || written != juce::MemoryBlock (dump.getRawDataPointer(), (size_t) dump.size()))
        fail ("the saved file is not the preset's dump");

    const int viewIndex = data[9];
    if (viewIndex < EditorComponent::numViews)
    {
        h.editor->viewSelected (viewIndex);
        if (auto* view = h.editor->getView (viewIndex))
            view->createComponentSnapshot (view->getLocalBounds());
    }

    return 0;
}
