#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The white title of a section panel ("Keybed", "Roll Mode", "Play" …): a label whose component
// name and text are the title, in a plain font, 300 pixels wide.
struct ViewTitle
{
    static juce::Label* create (const juce::String& text, int x, int height, float fontHeight)
    {
        auto* title = new juce::Label (text, text);
        title->setBounds (x, 0, 300, height);
        title->setColour (juce::Label::textColourId, juce::Colours::white);
        title->setFont (juce::Font (fontHeight, juce::Font::plain));
        return title;
    }

    ViewTitle() = delete;
};
