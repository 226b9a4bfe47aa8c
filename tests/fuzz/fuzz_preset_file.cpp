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

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

struct Harness
{
    Harness()
    {
        scratch = juce::File::createTempFile ("");
        scratch.createDirectory();
        input = scratch.getChildFile ("input.orp");
        saved = scratch.getChildFile ("saved.orp");

        engine = OrbEditorEngine::createForOrbMini (manager);
        editor = std::make_unique<EditorComponent> (nullptr, nullptr, engine, OrbMiniModel::numKnobs,
                                                    OrbMiniModel::numPads, OrbMiniModel::numSwitches);
    }

    ~Harness()
    {
        editor.reset();
        engine = nullptr;
        scratch.deleteRecursively();
    }

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    VirtualMidiPorts ports;
    MidiManager manager { ports };
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<EditorComponent> editor;
    juce::File scratch, input, saved;
};

Harness* harness = nullptr;

[[noreturn]] void fail (const char* what)
{
    std::fprintf (stderr, "fuzz_preset_file: %s\n", what);
    std::abort();
}

bool hasOnlySevenBitPayload (const std::uint8_t* data, size_t size)
{
    for (size_t i = 10; i + 1 < size; ++i)
        if (data[i] > 0x7F)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    harness = new Harness();
    std::atexit ([] {
        delete harness;
        harness = nullptr;
    });
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

    if ((int) size != engine.getDumpSize() || ! hasOnlySevenBitPayload (data, size))
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
