#include "widgets/ComboBoxWithLabel.h"
#include "widgets/ControlToMidiTextButton.h"
#include "widgets/CustomLook.h"
#include "widgets/NumberBoxWithLabel.h"

#include "ReferencePictures.h"

namespace
{
struct LookAndFeelTest : ::testing::Test
{
    CustomLook look; // outlives the widgets of each case, so none needs to drop it

    // The widget in the editor's look, enlarged four times on a dark ground like the editor's,
    // against its committed picture.
    void expectLooksAsBefore (juce::Component& c, const juce::String& name, int width = 200, int height = 18)
    {
        c.setLookAndFeel (&look);
        if (c.getWidth() == 0)
            c.setSize (width, height);

        const int scale = 4;
        juce::Image image (juce::Image::ARGB, c.getWidth() * scale, c.getHeight() * scale, true);
        juce::Graphics g (image);
        g.fillAll (juce::Colour (0xFF303840));
        g.addTransform (juce::AffineTransform::scale ((float) scale));
        c.paintEntireComponent (g, false);
        reference::expectMatches (image, "look-" + name);
    }
};
} // namespace

// White with a blue arrow and blue text; the longest mode names keep clear of the arrow, however
// much they must be narrowed.
TEST_F (LookAndFeelTest, ComboBoxesShowTheirEntryInBlueClearOfTheArrowAndNumberBoxesAreWhiteWithBlueText)
{
    for (const juce::String entry : { "Momentary", "Program Change", "CC Momentary" })
    {
        ComboBoxWithLabel widget ({ entry }, "Mode", nullptr);
        widget.getComboBox().setSelectedId (1, juce::dontSendNotification);
        expectLooksAsBefore (widget, "combo-box-" + entry.replaceCharacter (' ', '-'));
    }

    // A number box is white with blue text from x 5, showing the value whatever text its label was
    // given; while typing, plain white with blue text and no outline.
    NumberBoxWithLabel widget (1, 16, "MIDI Channel", nullptr);
    widget.setValue (10);
    widget.getNumberBox().setText ("99", juce::dontSendNotification);
    expectLooksAsBefore (widget, "number-box");

    widget.getNumberBox().showEditor();
    ASSERT_NE (widget.getNumberBox().getCurrentTextEditor(), nullptr);
    widget.getNumberBox().getCurrentTextEditor()->setHighlightedRegion ({});
    expectLooksAsBefore (widget, "number-box-editing");
    widget.getNumberBox().hideEditor (true);
}

// Asked to centre, a label still writes from the left; disabled, it is drawn at half alpha.
TEST_F (LookAndFeelTest, LabelsStayLeftAndFadeWhenDisabledButtonsIgnoreTheirColourAndMidiToDinOnIsFilled)
{
    juce::Label label ("caption", "Caption");
    label.setSize (200, 20);
    label.setJustificationType (juce::Justification::centred);
    label.setColour (juce::Label::textColourId, juce::Colours::white);
    label.setColour (juce::Label::outlineColourId, juce::Colours::red);
    expectLooksAsBefore (label, "label");
    label.setEnabled (false);
    expectLooksAsBefore (label, "label-disabled");

    // A text button is light grey with a black outline whatever colour it is given, darker grey when pressed.
    juce::TextButton button;
    button.setSize (60, 20);
    button.setColour (juce::TextButton::buttonColourId, juce::Colours::red);
    expectLooksAsBefore (button, "text-button");
    button.setState (juce::Button::buttonDown);
    expectLooksAsBefore (button, "text-button-down");

    // "OFF" is white text in a white frame, "ON" blue text on a white fill, both clear of the frame;
    // without text, on is a filled box and off an empty frame.
    ControlToMidiTextButton widget ("Keybed Midi To DIN", nullptr);
    expectLooksAsBefore (widget, "midi-to-din-off");

    widget.setValue (1);
    expectLooksAsBefore (widget, "midi-to-din-on");

    widget.getButton().setButtonText ({});
    expectLooksAsBefore (widget, "midi-to-din-on-no-text");
    widget.setValue (0);
    widget.getButton().setButtonText ({});
    expectLooksAsBefore (widget, "midi-to-din-off-no-text");
}

namespace
{
// The contrast ratio of two opaque colours, from their relative luminance as the accessibility
// guidelines define it: 1 for equal colours, 21 for black on white.
double contrastRatio (juce::Colour a, juce::Colour b)
{
    const auto luminance = [] (juce::Colour c) {
        const auto linear = [] (juce::uint8 channel) {
            const auto v = channel / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow ((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear (c.getRed()) + 0.7152 * linear (c.getGreen()) + 0.0722 * linear (c.getBlue());
    };
    const auto la = luminance (a), lb = luminance (b);
    return (std::max (la, lb) + 0.05) / (std::min (la, lb) + 0.05);
}
} // namespace

// Menus and the menu bar: plain and highlighted items at least 4.5:1 against what they are drawn
// on, and the highlight is the blue the look fills it with.
TEST_F (LookAndFeelTest, MenuItemsPlainOrHighlightedAreReadable)
{
    EXPECT_NEAR (contrastRatio (juce::Colours::black, juce::Colours::white), 21.0, 0.01);

    const auto colour = [this] (int id) { return look.findColour (id); };
    EXPECT_GE (contrastRatio (colour (juce::PopupMenu::textColourId), colour (juce::PopupMenu::backgroundColourId)),
               4.5);
    EXPECT_GE (contrastRatio (colour (juce::PopupMenu::highlightedTextColourId),
                              colour (juce::PopupMenu::highlightedBackgroundColourId)),
               4.5);
    EXPECT_GE (contrastRatio (colour (juce::PopupMenu::textColourId), juce::Colour (CustomLook::whiteSmoke)), 4.5);

    // What is drawn: a highlighted item and a menu bar item under the pointer are filled with it.
    juce::Image item (juce::Image::RGB, 200, 24, true);
    {
        juce::Graphics g (item);
        look.drawPopupMenuItem (g, item.getBounds(), false, true, true, false, false, "Get Preset", {}, nullptr,
                                nullptr);
    }
    EXPECT_EQ (item.getPixelAt (195, 2), colour (juce::PopupMenu::highlightedBackgroundColourId));

    juce::MenuBarComponent bar;
    bar.setLookAndFeel (&look);
    juce::Image barItem (juce::Image::RGB, 60, 24, true);
    {
        juce::Graphics g (barItem);
        look.drawMenuBarItem (g, 60, 24, 0, "File", true, false, true, bar);
    }
    EXPECT_EQ (barItem.getPixelAt (2, 2), colour (juce::PopupMenu::highlightedBackgroundColourId));
    bar.setLookAndFeel (nullptr);
}
