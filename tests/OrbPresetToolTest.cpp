// The orbpreset command-line tool, run as a separate program on files the editor engine writes.

#include "PresetTestSupport.h"
#include "ToolRunSupport.h"

#include <gtest/gtest.h>

#ifdef ORBPRESET_PATH

namespace
{
class OrbPresetTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A folder of each test's own: CTest runs the cases side by side, each in its own process.
        dir = testDirectory (juce::String ("orbpreset/")
                             + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE (fixture.engine->loadPresetData (embeddedDefault()));
        defaultDump = fixture.engine->buildDump (0);
    }

    static ToolRun run (const juce::StringArray& args)
    {
        juce::StringArray command { ORBPRESET_PATH };
        command.addArray (args);
        return ToolRun::of (command);
    }

    juce::String path (const juce::String& name) const { return dir.getChildFile (name).getFullPathName(); }

    juce::String writeFile (const juce::String& name, const OrbEditorEngine::ByteArray& bytes) const
    {
        writeBytes (dir.getChildFile (name), bytes);
        return path (name);
    }

    // The engine's preset with some bytes changed, saved by the engine as the editor saves.
    juce::String savePreset (const juce::String& name, std::initializer_list<std::pair<int, int>> changes = {})
    {
        auto dump = defaultDump;
        for (auto [position, value] : changes)
            dump.set (position, (std::uint8_t) value);

        EXPECT_TRUE (fixture.engine->loadPresetData (dump));
        EXPECT_TRUE (fixture.engine->savePresetFile (dir.getChildFile (name)));
        return path (name);
    }

    OrbEditorEngine::ByteArray readBytes (const juce::String& n) const { return ::readBytes (dir.getChildFile (n)); }

    // Dump positions of the 25-key model (header and slot byte, then the payload).
    static constexpr int knob3Channel = 10 + 55 + 2 * 5 + 4;
    static constexpr int pad1Curve = 10 + 95 + 3;
    static constexpr int pad5Mode = 10 + 95 + 4 * 5;
    static constexpr int timeDivision = 10 + 31;

    EngineFixture fixture;
    OrbEditorEngine::ByteArray defaultDump;
    juce::File dir;
};

TEST_F (OrbPresetTool, ShowsEveryValueAsTheEditorShowsIt)
{
    const auto file = savePreset ("shown.orp", { { knob3Channel, 15 }, { pad5Mode, 3 } });
    const auto result = run ({ "show", file });

    // One line of each kind (a number with its shown offset, a list entry, a flag, a transport
    // button's name; the name and edited values as the diff below shows them); what each parameter
    // shows is the presentation table's, pinned by the views.
    EXPECT_EQ (result.exitCode, 0) << result.output;
    for (const auto* line : { "Keybed / Split Mode: Off", "Roll Mode / Swing: 50", "Rewind / Function: Momentary",
                              "Pad 5 / Program: 44", "Switch 24 / CC: 71", "MIDI to DIN / Knobs Midi To DIN: ON" })
        EXPECT_TRUE (result.output.contains (juce::String (line) + "\n")) << line;

    // A program-change pad shows no "Note" or "Curve": the mode names the bytes.
    EXPECT_FALSE (result.output.contains ("Pad 5 / Note"));
    EXPECT_FALSE (result.output.contains ("Pad 5 / Curve"));
}

TEST_F (OrbPresetTool, JsonRoundTripsAnyLoadablePresetAndEditedValuesLandInTheirBytes)
{
    // Random 7-bit bytes: values above maxima and list values without an entry included.
    juce::Random random (9);
    const auto randomFile = writeFile ("random.orp", randomDump (random));
    fixture.engine->loadPresetFile (juce::File (randomFile));
    fixture.engine->savePresetFile (juce::File (randomFile));

    const auto json = run ({ "json", randomFile });
    ASSERT_EQ (json.exitCode, 0) << json.output;
    dir.getChildFile ("random.json").replaceWithText (json.output);
    run ({ "from-json", path ("random.json"), path ("back.orp") });
    EXPECT_EQ (readBytes ("back.orp"), readBytes ("random.orp"));

    // Shown values win over the bytes: each edit changes exactly its own byte.
    const auto defaultJson = run ({ "json", savePreset ("default.orp") });
    auto root = juce::JSON::parse (defaultJson.output);
    ASSERT_TRUE (root.isObject());
    auto parameters = root["parameters"];
    parameters["Knob 3"].getDynamicObject()->setProperty ("MIDI Channel", 16);
    parameters["Pad 5"].getDynamicObject()->setProperty ("Mode", "Program Change");
    parameters["Roll Mode"].getDynamicObject()->setProperty ("Time Div", "1/32T");
    root.getDynamicObject()->setProperty ("name", "Bass");
    dir.getChildFile ("edited.json").replaceWithText (juce::JSON::toString (root));
    ASSERT_EQ (run ({ "from-json", path ("edited.json"), path ("edited.orp") }).exitCode, 0);

    auto expected = readBytes ("default.orp");
    expected.set (knob3Channel, 15);
    expected.set (pad5Mode, 3);
    expected.set (timeDivision, 7);
    for (int i = 0; i < 16; ++i)
        expected.set (10 + i, (std::uint8_t) juce::String ("Bass            ")[i]);
    EXPECT_EQ (readBytes ("edited.orp"), expected);

    // Without bytes the built-in default preset is the starting point.
    dir.getChildFile ("small.json").replaceWithText (R"({"parameters": {"Knob 3": {"MIDI Channel": 16}}})");
    ASSERT_EQ (run ({ "from-json", path ("small.json"), path ("small.orp") }).exitCode, 0);
    expected = readBytes ("default.orp");
    expected.set (knob3Channel, 15);
    EXPECT_EQ (readBytes ("small.orp"), expected);
}

TEST_F (OrbPresetTool, DiffListsChangedParametersByNameAndSaysByExitStatus)
{
    const auto a = savePreset ("a.orp");
    const auto b = savePreset ("b.orp", { { knob3Channel, 15 }, { pad5Mode, 3 }, { 10, 'X' } });

    const auto same = run ({ "diff", a, savePreset ("a2.orp") });
    EXPECT_EQ (same.exitCode, 0);
    EXPECT_TRUE (same.output.isEmpty()) << same.output;

    const auto different = run ({ "diff", a, b });
    EXPECT_EQ (different.exitCode, 1);
    EXPECT_EQ (different.output, "Name: \"0000000000000000\" -> \"X000000000000000\"\n"
                                 "Knob 3 / MIDI Channel: 1 -> 16\n"
                                 "Pad 5 / Mode: Note -> Program Change\n");

    EXPECT_EQ (run ({ "diff", a, path ("missing.orp") }).exitCode, 2);
}

TEST_F (OrbPresetTool, CheckAndErrorsSayWhatIsWrongAndExitWithTheirStatus)
{
    run ({ "check", savePreset ("clean.orp") }).expect (0, "the editor loads it");

    auto shortDump = defaultDump;
    shortDump.removeLast();
    run ({ "check", writeFile ("short.orp", shortDump) }).expect (2, "315 bytes");

    auto high = defaultDump;
    high.set (100, 0x80);
    run ({ "check", writeFile ("high.orp", high) }).expect (2, "0x80 at position 100 (Knob 8 / Mode)");

    // A curve of 100 is above the maximum 7, yet the editor loads and keeps it.
    const auto aboveMaximum = run ({ "check", savePreset ("curve.orp", { { pad1Curve, 100 } }) });
    aboveMaximum.expect (1, "the editor loads it");
    aboveMaximum.expect (1, "Pad 1 / Curve: stored 100 is above its maximum 7");

    // Bad use and bad files name the problem.
    run ({ "show", path ("missing.orp") }).expect (2, "no such file");
    run ({ "frobnicate" }).expect (2, "unknown command");
    run ({ "show" }).expect (2, "show takes 1 file");

    const auto fromJson = [this] (const char* name, const char* json) {
        dir.getChildFile (name).replaceWithText (json);
        return run ({ "from-json", path (name), path ("out.orp") });
    };

    fromJson ("broken.json", "{\"parameters\": {").expect (2, "bad JSON");
    fromJson ("range.json", R"({"parameters": {"Knob 3": {"MIDI Channel": 17}}})")
        .expect (2, "Knob 3 / MIDI Channel: 17 is out of range (1 to 16)");
    fromJson ("entry.json", R"({"parameters": {"Roll Mode": {"Time Div": "1/64"}}})")
        .expect (2, "unknown entry \"1/64\"");
    fromJson ("name.json", R"({"parameters": {"Knob 3": {"Colour": 1}}})").expect (2, "unknown parameter");
    fromJson ("bytes.json", R"({"bytes": "F0 F7"})").expect (2, "is 2 bytes long");
    EXPECT_FALSE (dir.getChildFile ("out.orp").exists());

    for (const auto& args : { juce::StringArray { "help", "diff" }, juce::StringArray { "diff", "--help" } })
    {
        const auto help = run (args);
        EXPECT_EQ (help.exitCode, 0);
        EXPECT_TRUE (help.output.startsWith ("Usage: orbpreset diff A.orp B.orp")) << help.output;
    }
}
} // namespace

#endif
