#include "PresetTestSupport.h"

#include "midi/ControlSettingsClipboard.h"
#include "model/ControlType.h"
#include "views/KnobControlView.h"
#include "views/PadControlView.h"
#include "views/TransportControlView.h"

#include <gtest/gtest.h>

namespace
{
struct StepLog : OrbEditorEngine::EditListener
{
    void presetEdited (const juce::String& stepName) override { steps.add (stepName); }
    juce::StringArray steps;
};

struct ValueFollower : Control::Listener
{
    void parameterChanged (juce::String name, int value) override { seen.set (name, value); }
    juce::NamedValueSet seen;
};

// A menu's entries, " (off)" after those that are disabled.
juce::StringArray itemTexts (const juce::PopupMenu& menu)
{
    juce::StringArray texts;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        texts.add (it.getItem().text + (it.getItem().isEnabled ? "" : " (off)"));
    return texts;
}

class ControlSettingsTest : public ::testing::Test, protected EngineFixture
{
protected:
    void SetUp() override
    {
        clipboard.clear();
        engine->addEditListener (&log);
    }

    void TearDown() override
    {
        engine->removeEditListener (&log);
        clipboard.clear();
    }

    Control& knob (int index) { return *engine->getControl (ControlType::knobs, index); }
    Control& pad (int index) { return *engine->getControl (ControlType::pads, index); }

    ControlSettingsClipboard& clipboard = ControlSettingsClipboard::getInstance();
    StepLog log;
};
} // namespace

TEST_F (ControlSettingsTest, PastesCopyEverySettingAsOneStepAndTheWidgetsFollow)
{
    // Copied in another window's engine, pasted here.
    auto other = makeEngine();
    auto& copied = *other->getControl (ControlType::knobs, 2);
    copied.setParameterValue ("Mode", 0, false);
    copied.setParameterValue ("CC", 42, false);
    copied.setParameterValue ("MIDI Channel", 9, false);
    clipboard.copy (*other, ControlType::knobs, 2);

    ValueFollower widget;
    knob (4).addListener (&widget);
    EXPECT_TRUE (clipboard.pasteTo (*engine, 4));
    EXPECT_EQ (knob (4).getValues(), copied.getValues());
    EXPECT_EQ ((int) widget.seen["CC"], 42);
    knob (4).removeListener (&widget);

    // Onto the same settings: nothing changes, no step.
    clipboard.pasteTo (*engine, 4);

    EXPECT_TRUE (clipboard.pasteToAll (*engine));
    for (int i = 0; i < engine->getNumControls (ControlType::knobs); ++i)
        EXPECT_EQ (knob (i).getValues(), knob (4).getValues()) << "knob " << i;
    EXPECT_EQ (log.steps, (juce::StringArray { "Paste to Knob 5", "Paste to All Knobs" }));
}

TEST_F (ControlSettingsTest, PadNotesAscendFromTheCopiedNoteAndStopAt127)
{
    pad (0).setParameterValue ("Mode", 0, false);
    pad (0).setParameterValue ("Note", 120, false);
    pad (0).setParameterValue ("MIDI Channel", 3, false);
    clipboard.copy (*engine, ControlType::pads, 0);

    EXPECT_TRUE (clipboard.pasteToAllPadsNotesAscending (*engine));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ (juce::String::formatted ("%d %d %d", pad (i).getParameterValue ("Note"),
                                            pad (i).getParameterValue ("MIDI Channel"),
                                            pad (i).getParameterValue ("Mode")),
                   juce::String::formatted ("%d 3 0", juce::jmin (127, 120 + i)))
            << "pad " << i + 1;
    EXPECT_EQ (log.steps, juce::StringArray { "Paste to All Pads, Notes Ascending" });
}

// That a window takes back each step as a whole is EditorWindowTest.EditsAndLoads...'s.
TEST_F (ControlSettingsTest, TitleMenusNameTheirInstanceAndPasteOnlySettingsOfTheirKindAsOneStep)
{
    KnobControlView knob3 (engine, 2), knob5 (engine, 4);
    PadControlView pad2 (engine, 1);
    TransportControlView rewind (engine, 0, "Rewind");

    EXPECT_EQ (itemTexts (knob5.getSettingsMenu()->build()),
               (juce::StringArray { "Copy Knob 5 Settings", "Paste to Knob 5 (off)", "Paste to All Knobs (off)" }));
    EXPECT_EQ (itemTexts (rewind.getSettingsMenu().build())[0], "Copy Rewind Settings");

    // A knob's settings are offered to knobs, not to pads.
    knob (2).setParameterValue ("CC", 33, false);
    knob3.getSettingsMenu()->choose (ControlSettingsMenu::copyItem);
    EXPECT_EQ (itemTexts (knob5.getSettingsMenu()->build()),
               (juce::StringArray { "Copy Knob 5 Settings", "Paste to Knob 5", "Paste to All Knobs" }));
    EXPECT_EQ (itemTexts (pad2.getSettingsMenu()->build()),
               (juce::StringArray { "Copy Pad 2 Settings", "Paste to Pad 2 (off)", "Paste to All Pads (off)",
                                    "Paste to All Pads, Notes Ascending (off)" }));

    knob5.getSettingsMenu()->choose (ControlSettingsMenu::pasteToAllItem);
    EXPECT_EQ (log.steps, juce::StringArray { "Paste to All Knobs" });
}
