#pragma once

#include "app/DialogKeys.h"
#include "app/PresetCompareComponent.h"

// A window listing what differs between an editor window's preset and another preset, as it was
// when the window opened. Not modal; it opens over the owner (the editor window) and deletes
// itself when closed, by its title bar, Return or escape.
class PresetCompareWindow : public juce::DocumentWindow
{
public:
    PresetCompareWindow (const juce::String& title, std::vector<PresetCompareComponent::Line> lines,
                         const juce::String& otherTitle, juce::Component* owner = nullptr);

    PresetCompareComponent& getContent() { return *content; }

    void closeButtonPressed() override;

private:
    PresetCompareComponent* content;
    DialogKeys keys;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetCompareWindow)
};
