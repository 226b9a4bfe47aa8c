#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <list>
#include <vector>

namespace
{
using ByteArray = OrbEditorEngine::ByteArray;

// The default preset's payload, section by section.
ByteArray defaultPayloadTable()
{
    ByteArray p;
    p.insertMultiple (0, 0x30, 16);
    p.addArray (bytes ({ 0x0C, 0x03, 0x00, 0x04, 0x01, 0x00, 0x0C, 0x03, 0x00, 0x04, 0x0C, 0x03, 0x00, 0x04 }));
    p.addArray (bytes ({ 0x00, 0x00, 0x31, 0x00 }));
    for (int cc : { 0x74, 0x75, 0x76, 0x77, 0x73, 0x72 })
        p.addArray (bytes ({ 0x00, cc }));
    p.addArray (bytes ({ 0x00, 0x00, 0x01, 0x00, 0x7F, 0x40, 0x7F, 0x00, 0x00 }));
    for (int i = 0; i < 8; ++i)
        p.addArray (bytes ({ 0x00, 0x14 + i, 0x00, 0x7F, 0x00 }));
    for (int note : { 0x30, 0x31, 0x32, 0x33, 0x2C, 0x2D, 0x2E, 0x2F, 0x28, 0x29, 0x2A, 0x2B, 0x24, 0x25, 0x26, 0x27 })
        p.addArray (bytes ({ 0x00, note, 0x00, 0x00, 0x00 }));
    for (int i = 0; i < 24; ++i)
        p.addArray (bytes ({ 0x00, 0x30 + i, 0x7F, 0x00, 0x00 }));
    p.insertMultiple (-1, 0x01, 10);
    return p;
}

ByteArray frameOf (const ByteArray& dump)
{
    ByteArray frame;
    frame.addArray (dump, 0, 10);
    frame.add (dump.getLast());
    return frame;
}

struct PresetDump : ::testing::Test, EngineFixture
{};
} // namespace

TEST_F (PresetDump, BuiltInDefaultIsTheTableAndAppliedComesBackUnderTheEditorsOwnHeaderAndFile)
{
    const auto resource = embeddedDefault();
    EXPECT_EQ (frameOf (resource), bytes ({ 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x40, 0x63, 0x03, 0x51, 0x00, 0xF7 }));
    EXPECT_EQ (payloadOf (resource), defaultPayloadTable());

    ASSERT_TRUE (engine->loadPresetData (embeddedDefault()));
    const auto dump = engine->buildDump (0);
    EXPECT_EQ (frameOf (dump), bytes ({ 0xF0, 0x00, 0x3C, 0x17, 0x00, 0x3E, 0x61, 0x03, 0x51, 0x00, 0xF7 }));
    EXPECT_EQ (payloadOf (dump), defaultPayloadTable());

    // The slot is the only byte that differs between slots; the model byte is read each time.
    auto five = engine->buildDump (5);
    EXPECT_EQ (five[9], 5);
    five.set (9, 0);
    EXPECT_EQ (five, dump);
    modelByte = 0x41;
    EXPECT_EQ (engine->buildDump (0)[5], 0x41);
}

TEST_F (PresetDump, PayloadSplitIntoGroupsAndJoinedBackIsIdentical)
{
    juce::Random random (1234);
    auto dump = randomDump (random);
    dump.set (10 + 20, 127);    // keybed split mode far above its maximum
    dump.set (10 + 95 + 3, 99); // pad 0 "Curve" above 7
    dump.set (10 + 300, 0x80);  // applyDump itself stores even a byte no device would send

    engine->applyDump (dump);
    EXPECT_EQ (payloadOf (engine->buildDump (0)), payloadOf (dump));

    // A dump that ends early zeroes what is missing; one shorter than its frame zeroes all.
    engine->applyDump (bytes ({ 0xF0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0xF7 }));
    EXPECT_EQ (payloadOf (engine->buildDump (0))[0], 0x41);
    EXPECT_EQ (payloadOf (engine->buildDump (0))[304], 0);
    engine->applyDump ({});
    EXPECT_EQ (payloadOf (engine->buildDump (0))[0], 0);
}

TEST_F (PresetDump, ApplyNotifiesGroupsInAscendingTypeCode)
{
    // Each group's listener notes its type code whenever one of its group is told.
    struct Log : Control::Listener
    {
        Log (std::vector<int>& o, int t) : order (o), type (t) {}
        void parameterChanged (juce::String, int) override { order.push_back (type); }
        std::vector<int>& order;
        int type;
    };

    std::vector<int> order;
    std::list<Log> logs;
    for (int type = 0; type < 10; ++type)
        engine->addListenerToControl (&logs.emplace_back (order, type), static_cast<ControlType> (type));

    ASSERT_TRUE (engine->loadPresetData (embeddedDefault()));
    order.erase (std::unique (order.begin(), order.end()), order.end()); // each group once, where it starts
    EXPECT_EQ (order, (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
}

TEST_F (PresetDump, SaveThenLoadReproducesEveryValueWithoutExaminingTheFrame)
{
    juce::Random random (99);
    engine->applyDump (randomDump (random));
    const auto file = testDirectory ("round-trip").getChildFile ("preset.orp");
    ASSERT_TRUE (engine->savePresetFile (file));

    auto other = makeEngine();
    ASSERT_TRUE (other->loadPresetFile (file));
    EXPECT_EQ (other->buildDump (0), engine->buildDump (0));

    auto odd = randomDump (random);
    for (int i : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 315 })
        odd.set (i, (std::uint8_t) (0x80 + i));
    ASSERT_TRUE (writeBytes (file, odd));
    ASSERT_TRUE (engine->loadPresetFile (file));
    EXPECT_EQ (payloadOf (engine->buildDump (0)), payloadOf (odd));
}

TEST_F (PresetDump, BadFilesAreRefusedAndLeaveThePresetAsItWas)
{
    ASSERT_TRUE (engine->loadPresetData (embeddedDefault()));
    const auto before = engine->buildDump (0);
    const auto dir = testDirectory ("bad-files");
    juce::Random random (5);

    auto refused = [&] (const juce::File& file, const char* what) {
        EXPECT_FALSE (engine->loadPresetFile (file)) << what;
        EXPECT_EQ (engine->buildDump (0), before) << what;
    };

    refused (dir.getChildFile ("missing.orp"), "missing");

    // Wrong sizes, and payload bytes above 0x7F, from a file or from memory.
    const auto refusedData = [&] (const ByteArray& data, const juce::String& what) {
        const auto file = dir.getChildFile ("bad.orp");
        ASSERT_TRUE (writeBytes (file, data));
        refused (file, what.toRawUTF8());
        EXPECT_FALSE (engine->loadPresetData (data)) << what;
        EXPECT_EQ (engine->buildDump (0), before) << what;
    };

    for (int size : { 0, 315, 317, 100000 })
    {
        auto data = randomDump (random);
        data.resize (size);
        refusedData (data, "size " + juce::String (size));
    }

    for (int position : { 10, 150, 314 })
    {
        auto data = randomDump (random);
        data.set (position, 0x80);
        refusedData (data, "payload byte 0x80 at " + juce::String (position));
    }
}

TEST_F (PresetDump, SavesThatCannotCompleteFailAndLeaveTheOldFileWhole)
{
    const auto dir = testDirectory ("short-write");
    const auto file = dir.getChildFile ("keep.orp");
    ASSERT_TRUE (engine->savePresetFile (file));
    const auto old = readBytes (file);
    ASSERT_TRUE (engine->loadPresetData (embeddedDefault()));

    // Files may grow to 100 bytes only: the new dump cannot be written in full.
    rlimit saved {};
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &saved), 0);
    auto* previousHandler = ::signal (SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &limited), 0);

    const auto saved316 = engine->savePresetFile (file);

    setrlimit (RLIMIT_FSIZE, &saved);
    ::signal (SIGXFSZ, previousHandler);

    EXPECT_FALSE (saved316);
    EXPECT_EQ (readBytes (file), old);
    EXPECT_EQ (dir.getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);

    // Into a folder that does not exist a save fails and creates nothing.
    EXPECT_FALSE (engine->savePresetFile (dir.getChildFile ("no-such-dir").getChildFile ("p.orp")));
    EXPECT_FALSE (dir.getChildFile ("no-such-dir").exists());
}
