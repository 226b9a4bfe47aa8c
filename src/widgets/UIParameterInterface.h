#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A widget that shows one parameter value beside a caption. Its parameter controller calls
// setValue with the value as shown on screen (stored value plus the display offset).
class UIParameterInterface : public juce::Component
{
public:
    static constexpr juce::uint32 accentBlue = 0xFF117FC6;

    UIParameterInterface() = default;
    ~UIParameterInterface() override = default;

    virtual void setValue (int shownValue) = 0;

    // A new caption (owned by the caller): the text is also its component name; plain 16 px
    // white text, centred-left, at (0, 0, 100, 16).
    virtual juce::Label* createLabel (const juce::String& text);

private:
    JUCE_DECLARE_NON_COPYABLE (UIParameterInterface)
};
