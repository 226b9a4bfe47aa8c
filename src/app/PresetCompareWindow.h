#pragma once

#include "app/PresetCompareComponent.h"

// A window listing what differs between an editor window's preset and another preset, as it was
// when the window opened. Not modal; it deletes itself when closed.
class PresetCompareWindow : public juce::DocumentWindow
{
public:
    PresetCompareWindow (const juce::String& title, std::vector<PresetCompareComponent::Line> lines,
                         const juce::String& otherTitle);

    PresetCompareComponent& getContent() { return *content; }

    void closeButtonPressed() override;

private:
    PresetCompareComponent* content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetCompareWindow)
};
