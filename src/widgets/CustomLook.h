#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The editor's flat style: accent blue on white, rounded white buttons, blue drop-down lists.
// Set on a top-level component so that all its descendants inherit it.
class CustomLook : public juce::LookAndFeel_V3
{
public:
    static constexpr juce::uint32 accentBlue = 0xFF117FC6;
    static constexpr juce::uint32 whiteSmoke = 0xFFF5F5F5;
    static constexpr juce::uint32 lightGrey = 0xFFD3D3D3;
    // Menus: dark text on white, the highlighted item in white on the accent blue, deepened so that
    // small text on it stays readable.
    static constexpr juce::uint32 menuText = 0xFF1D2B36;
    static constexpr juce::uint32 menuHighlight = 0xFF0E6BA8;
    // The drop-down arrow spans the last 15 pixels but 5 of a combo box; its text ends this many
    // pixels before the arrow.
    static constexpr int comboArrowWidth = 15;
    static constexpr int comboTextGap = 4;

    CustomLook();

    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox& box) override;

    // The text keeps clear of the arrow drawn by drawComboBox.
    void positionComboBoxText (juce::ComboBox& box, juce::Label& label) override;

    void drawLabel (juce::Graphics& g, juce::Label& label) override;

    void fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    void drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;

    // Menus and the menu bar take their colours from the PopupMenu colour ids set at construction.
    void drawPopupMenuBackground (juce::Graphics& g, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;

    void drawMenuBarBackground (juce::Graphics& g, int width, int height, bool isMouseOverBar,
                                juce::MenuBarComponent& menuBar) override;

    void drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex, const juce::String& itemText,
                          bool isMouseOverItem, bool isMenuOpen, bool isMouseOverBar,
                          juce::MenuBarComponent& menuBar) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomLook)
};
