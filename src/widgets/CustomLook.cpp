#include "widgets/CustomLook.h"

CustomLook::CustomLook()
{
    setUsingNativeAlertWindows (true);

    setColour (juce::PopupMenu::backgroundColourId, juce::Colours::white);
    setColour (juce::PopupMenu::textColourId, juce::Colour (menuText));
    setColour (juce::PopupMenu::headerTextColourId, juce::Colour (menuText));
    setColour (juce::PopupMenu::highlightedBackgroundColourId, juce::Colour (menuHighlight));
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colours::white);
}

void CustomLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                       bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    // A toggle that is on stays drawn pressed in.
    const auto fill = shouldDrawButtonAsDown || button.getToggleState() ? juce::Colour (lightGrey)
                      : shouldDrawButtonAsHighlighted                   ? juce::Colours::white
                                                                        : juce::Colour (whiteSmoke);
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, (float) button.getWidth(), (float) button.getHeight());

    g.setColour (fill);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (juce::Colours::black);
    g.drawRoundedRectangle (area, 4.0f, 1.0f);
}

void CustomLook::drawComboBox (juce::Graphics& g, int width, int height, bool, int, int, int, int, juce::ComboBox& box)
{
    g.setColour (juce::Colours::white);
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) height, 2.0f);

    const auto middle = (float) (height / 2);
    juce::Path arrow;
    arrow.addTriangle ((float) width - 10.0f, middle + 4.0f, (float) width - 5.0f, middle,
                       (float) (width - comboArrowWidth), middle);

    g.setColour (box.findColour (juce::ComboBox::arrowColourId));
    g.fillPath (arrow);
}

void CustomLook::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    const int left = 2;
    label.setBounds (left, 1, juce::jmax (0, box.getWidth() - comboArrowWidth - comboTextGap - left),
                     box.getHeight() - 2);
    label.setFont (getComboBoxFont (box));
}

void CustomLook::drawLabel (juce::Graphics& g, juce::Label& label)
{
    g.fillAll (label.findColour (juce::Label::backgroundColourId));

    if (! label.isBeingEdited())
    {
        const auto alpha = label.isEnabled() ? 1.0f : 0.5f;

        g.setColour (label.findColour (juce::Label::textColourId).withMultipliedAlpha (alpha));
        g.setFont (getLabelFont (label));
        g.drawFittedText (label.getText(), label.getLocalBounds(), juce::Justification::centredLeft, 1,
                          label.getMinimumHorizontalScale());
        g.setColour (label.findColour (juce::Label::outlineColourId).withMultipliedAlpha (alpha));
    }
    else if (label.isEnabled())
    {
        g.setColour (label.findColour (juce::Label::outlineColourId));
    }

    g.drawRect (label.getLocalBounds());
}

void CustomLook::fillTextEditorBackground (juce::Graphics&, int, int, juce::TextEditor&) {}

void CustomLook::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&) {}

void CustomLook::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (findColour (juce::PopupMenu::backgroundColourId));
    g.setColour (juce::Colour (lightGrey));
    g.drawRect (0, 0, width, height);
}

void CustomLook::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator,
                                    bool isActive, bool isHighlighted, bool isTicked, bool hasSubMenu,
                                    const juce::String& text, const juce::String& shortcutKeyText,
                                    const juce::Drawable* icon, const juce::Colour* textColour)
{
    // The framework's item, ticks, shortcuts and submenu arrows included, in the colours above.
    juce::LookAndFeel_V2::drawPopupMenuItem (g, area, isSeparator, isActive, isHighlighted, isTicked, hasSubMenu, text,
                                             shortcutKeyText, icon, textColour);
}

void CustomLook::drawMenuBarBackground (juce::Graphics& g, int width, int height, bool, juce::MenuBarComponent&)
{
    g.fillAll (juce::Colour (whiteSmoke));
    g.setColour (juce::Colour (lightGrey));
    g.drawHorizontalLine (height - 1, 0.0f, (float) width);
}

void CustomLook::drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex, const juce::String& itemText,
                                  bool isMouseOverItem, bool isMenuOpen, bool, juce::MenuBarComponent& menuBar)
{
    if (! menuBar.isEnabled())
    {
        g.fillAll (juce::Colours::white);
        g.setColour (menuBar.findColour (juce::PopupMenu::textColourId).withMultipliedAlpha (0.5f));
    }
    else if (isMenuOpen || isMouseOverItem)
    {
        g.fillAll (menuBar.findColour (juce::PopupMenu::highlightedBackgroundColourId));
        g.setColour (menuBar.findColour (juce::PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (menuBar.findColour (juce::PopupMenu::textColourId));
    }

    g.setFont (getMenuBarFont (menuBar, itemIndex, itemText));
    g.drawFittedText (itemText, 0, 0, width, height, juce::Justification::centred, 1, 0.7f);
}
