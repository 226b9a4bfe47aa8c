#include "widgets/ComboBoxWithLabel.h"
#include "widgets/ControlToMidiTextButton.h"
#include "widgets/CustomLook.h"
#include "widgets/NumberBoxWithLabel.h"

#include "TestOutput.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour blue (0xFF117FC6);

bool isNear (juce::Colour a, juce::Colour b, int tolerance = 12)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance && std::abs (a.getGreen() - b.getGreen()) <= tolerance
        && std::abs (a.getBlue() - b.getBlue()) <= tolerance && std::abs (a.getAlpha() - b.getAlpha()) <= tolerance;
}

int countNear (const juce::Image& image, juce::Colour colour, juce::Rectangle<int> area, int tolerance = 12)
{
    int n = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            n += isNear (image.getPixelAt (x, y), colour, tolerance) ? 1 : 0;
    return n;
}

int maxAlpha (const juce::Image& image, juce::Rectangle<int> area)
{
    int a = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            a = std::max (a, (int) image.getPixelAt (x, y).getAlpha());
    return a;
}

// Enlarged, on a dark ground like the editor's, for looking at.
void saveForViewing (juce::Component& c, const juce::String& fileName)
{
    const int scale = 4;
    juce::Image image (juce::Image::ARGB, c.getWidth() * scale, c.getHeight() * scale, true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (0xFF303840));
    g.addTransform (juce::AffineTransform::scale ((float) scale));
    c.paintEntireComponent (g, false);
    writePng (image, fileName);
}

struct LookAndFeelTest : ::testing::Test
{
    CustomLook look;   // outlives the widgets of each case, so none needs to drop it

    void style (juce::Component& c, int width = 200, int height = 18)
    {
        c.setLookAndFeel (&look);
        c.setSize (width, height);
    }

    // A styled combo box showing its first entry, saved for viewing; returns the box as painted.
    juce::Image paintCombo (const juce::StringArray& entries, const juce::String& fileName)
    {
        ComboBoxWithLabel widget (entries, "Mode", nullptr);
        style (widget);
        widget.getComboBox().setSelectedId (1, juce::dontSendNotification);
        saveForViewing (widget, fileName);
        return paintToImage (widget.getComboBox());
    }
};
} // namespace

TEST_F (LookAndFeelTest, ComboBoxIsWhiteWithABlueArrowAndText)
{
    const auto image = paintCombo ({ "Momentary", "Toggle" }, "combo-box.png");
    ASSERT_EQ (image.getWidth(), 100);
    ASSERT_EQ (image.getHeight(), 18);

    // Arrow: top edge from (85, 9) to (95, 9), tip at (90, 13), on white.
    for (auto p : { juce::Point<int> (90, 10), { 87, 9 }, { 93, 9 } })
        EXPECT_TRUE (isNear (image.getPixelAt (p.x, p.y), blue)) << p.toString();
    for (auto p : { juce::Point<int> (90, 8), { 90, 14 }, { 83, 10 }, { 97, 10 }, { 50, 1 } })
        EXPECT_EQ (image.getPixelAt (p.x, p.y), juce::Colours::white) << p.toString();
    EXPECT_LT (image.getPixelAt (0, 0).getAlpha(), 255) << "rounded corners";
    EXPECT_GT (countNear (image, blue, { 0, 0, 80, 18 }), 5) << "blue entry text";
}

// The longest mode names keep clear of the arrow, however much they must be narrowed.
TEST_F (LookAndFeelTest, LongComboBoxEntriesStopShortOfTheArrow)
{
    for (const juce::String entry : { "Program Change", "CC Momentary" })
    {
        SCOPED_TRACE (entry);
        const auto image = paintCombo ({ entry }, "combo-box-" + entry.replaceCharacter (' ', '-') + ".png");
        EXPECT_GT (countNear (image, blue, { 0, 0, 80, 18 }, 80), 20) << "the entry is drawn";
        EXPECT_EQ (countNear (image, blue, { 82, 0, 3, 18 }, 120), 0) << "a gap before the arrow at x 85";
    }
}

TEST_F (LookAndFeelTest, NumberBoxIsWhiteWithBlueTextFromX5)
{
    NumberBoxWithLabel widget (1, 16, "MIDI Channel", nullptr);
    style (widget);
    widget.setValue (10);
    saveForViewing (widget, "number-box.png");

    const auto image = paintToImage (widget.getNumberBox());
    EXPECT_EQ (image.getPixelAt (1, 1), juce::Colours::white);
    EXPECT_EQ (image.getPixelAt (99, 17), juce::Colours::white);
    EXPECT_EQ (countNear (image, blue, { 0, 0, 5, 18 }), 0);
    EXPECT_GT (countNear (image, blue, { 5, 0, 95, 18 }), 5);

    // While typing, the editor is plain white with blue text and no outline.
    widget.getNumberBox().showEditor();
    ASSERT_NE (widget.getNumberBox().getCurrentTextEditor(), nullptr);
    widget.getNumberBox().getCurrentTextEditor()->setHighlightedRegion ({});
    saveForViewing (widget, "number-box-editing.png");
    const auto editing = paintToImage (widget.getNumberBox());
    EXPECT_EQ (editing.getPixelAt (1, 1), juce::Colours::white);
    EXPECT_EQ (editing.getPixelAt (99, 17), juce::Colours::white);
    EXPECT_GT (countNear (editing, blue, editing.getBounds()), 5);
    widget.getNumberBox().hideEditor (true);
}

TEST_F (LookAndFeelTest, LabelsAreCentredLeftAndHalfAlphaWhenDisabled)
{
    juce::Label label ("caption", "Caption");
    style (label, 200, 20);
    label.setJustificationType (juce::Justification::centred);
    label.setColour (juce::Label::textColourId, juce::Colours::black);
    label.setColour (juce::Label::outlineColourId, juce::Colours::red);

    const auto enabled = paintToImage (label);
    EXPECT_EQ (enabled.getPixelAt (100, 0), juce::Colours::red);
    EXPECT_EQ (maxAlpha (enabled, { 1, 1, 198, 18 }), 255);
    EXPECT_GT (maxAlpha (enabled, { 1, 1, 30, 18 }), 0) << "text starts at the left";
    EXPECT_EQ (maxAlpha (enabled, { 90, 1, 100, 18 }), 0) << "not centred";

    label.setEnabled (false);
    const auto disabled = paintToImage (label);
    EXPECT_NEAR (disabled.getPixelAt (100, 0).getAlpha(), 128, 2);
    EXPECT_NEAR (maxAlpha (disabled, { 1, 1, 198, 18 }), 128, 2);
}

TEST_F (LookAndFeelTest, TextButtonIgnoresItsColour)
{
    juce::TextButton button;
    style (button, 60, 20);
    button.setColour (juce::TextButton::buttonColourId, juce::Colours::red);

    const auto image = paintToImage (button);
    EXPECT_EQ (image.getPixelAt (30, 10), juce::Colour (0xFFF5F5F5));
    EXPECT_LT (image.getPixelAt (30, 0).getRed(), 160) << "black outline";
    EXPECT_EQ (image.getPixelAt (30, 0).getRed(), image.getPixelAt (30, 0).getBlue());
    EXPECT_EQ (countNear (image, juce::Colours::red, image.getBounds()), 0);

    button.setState (juce::Button::buttonDown);
    EXPECT_EQ (paintToImage (button).getPixelAt (30, 10), juce::Colour (0xFFD3D3D3));
}

TEST_F (LookAndFeelTest, MidiToDinButtonOnIsFilledOffIsAFrame)
{
    ControlToMidiTextButton widget ("Keybed Midi To DIN", nullptr);
    saveForViewing (widget, "midi-to-din-off.png");
    auto& button = widget.getButton();
    const auto off = paintToImage (button);
    EXPECT_EQ (button.getButtonText(), "OFF");
    for (auto p : { juce::Point<int> (0, 6), { 19, 6 }, { 10, 11 } })
        EXPECT_EQ (off.getPixelAt (p.x, p.y), juce::Colours::white) << p.toString();
    EXPECT_EQ (countNear (off, blue, off.getBounds()), 0);
    EXPECT_GT (maxAlpha (off, { 2, 2, 16, 8 }), 0) << "white text";
    // The text has room inside the frame: nothing drawn just inside its left and right edges.
    EXPECT_EQ (maxAlpha (off, { 1, 1, 1, 10 }), 0);
    EXPECT_EQ (maxAlpha (off, { 18, 1, 1, 10 }), 0);
    EXPECT_GT (maxAlpha (off, { 14, 2, 3, 3 }), 0) << "the top of the last F, not an ellipsis";

    widget.setValue (1);
    saveForViewing (widget, "midi-to-din-on.png");
    const auto on = paintToImage (button);
    EXPECT_EQ (button.getButtonText(), "ON");
    EXPECT_EQ (on.getPixelAt (18, 10), juce::Colours::white);
    EXPECT_GT (countNear (on, blue, on.getBounds(), 40), 3) << "blue text";

    // Without text: a filled box when on, an empty frame when off.
    button.setButtonText ({});
    EXPECT_EQ (countNear (paintToImage (button), juce::Colours::white, { 2, 2, 16, 8 }), 16 * 8);
    widget.setValue (0);
    button.setButtonText ({});
    EXPECT_EQ (maxAlpha (paintToImage (button), { 1, 1, 18, 10 }), 0);
}
