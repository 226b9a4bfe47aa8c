#pragma once

#include "midi/JuceMidiPorts.h"
#include "midi/MidiManager.h"
#include "midi/OrbEditorEngine.h"
#include "resources/EmbeddedResources.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>

// An engine of the 25-key model over a port manager that lists no devices.
struct EngineFixture
{
    std::uint8_t modelByte = 0x3E;
    JuceMidiPorts ports;
    MidiManager midi { ports };
    OrbEditorEngine::Ptr engine = makeEngine();

    OrbEditorEngine::Ptr makeEngine() { return new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24); }
};

inline OrbEditorEngine::ByteArray bytes (std::initializer_list<int> list)
{
    OrbEditorEngine::ByteArray a;
    for (auto b : list)
        a.add ((std::uint8_t) b);
    return a;
}

inline OrbEditorEngine::ByteArray payloadOf (const OrbEditorEngine::ByteArray& dump)
{
    OrbEditorEngine::ByteArray payload;
    payload.addArray (dump, 10, dump.size() - 11);
    return payload;
}

// The OrbMini's payload size as the device defines it: the tests' own figure, so that a change to
// the engine's layout shows up against it.
constexpr int payloadSize = 305;

// A dump whose payload byte i is valueAt (i), with the given frame byte everywhere in the frame.
inline OrbEditorEngine::ByteArray dumpOf (const std::function<int (int)>& valueAt, std::uint8_t frameByte = 0)
{
    OrbEditorEngine::ByteArray dump;
    dump.insertMultiple (0, frameByte, 10);
    for (int i = 0; i < payloadSize; ++i)
        dump.add ((std::uint8_t) valueAt (i));
    dump.add (frameByte);
    return dump;
}

// A dump with random 7-bit payload bytes.
inline OrbEditorEngine::ByteArray randomDump (juce::Random& random, std::uint8_t frameByte = 0)
{
    return dumpOf ([&random] (int) { return random.nextInt (128); }, frameByte);
}

inline OrbEditorEngine::ByteArray readBytes (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return OrbEditorEngine::ByteArray ((const std::uint8_t*) block.getData(), (int) block.getSize());
}

inline bool writeBytes (const juce::File& file, const OrbEditorEngine::ByteArray& data)
{
    return file.replaceWithData (data.getRawDataPointer(), (size_t) data.size());
}

// The built-in default preset, as the editor embeds it.
inline OrbEditorEngine::ByteArray embeddedDefault()
{
    auto* resource = EmbeddedResources::find ("DefaultPreset.syx");
    return resource != nullptr ? OrbEditorEngine::ByteArray (resource->data, (int) resource->size)
                               : OrbEditorEngine::ByteArray();
}

// An empty folder of that name (or relative path) under the tests' output folder.
inline juce::File testDirectory (const juce::String& name)
{
    auto dir = juce::File (ORBMINI_TEST_OUTPUT_DIR).getChildFile (name);
    dir.deleteRecursively();
    // The framework's createDirectory fails when another test process creates a shared parent
    // folder at the same moment (a first run from a clean build runs them in parallel); the
    // standard library's takes a parent that appeared meanwhile as made.
    std::filesystem::create_directories (dir.getFullPathName().toStdString());
    return dir;
}
