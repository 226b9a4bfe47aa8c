#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/KeybedParameterView.h"
#include "views/KeybedSplitSelectorView.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The keybed section: the split selector on the left, a divider, and the zone panels — the
// whole "Keybed" when the keybed is not split, "Lower Keybed" and "Upper Keybed" side by side
// when it is. No zone panel shows until the split-mode list first reports its selection.
class KeybedControlView : public juce::Component
{
public:
    explicit KeybedControlView (OrbEditorEngine::Ptr engine);
    ~KeybedControlView() override;

    void setSplitKeyboard (bool split);

    KeybedSplitSelectorView& getSplitSelector() { return *splitSelector; }
    // 0 "Keybed", 1 "Lower Keybed", 2 "Upper Keybed".
    KeybedParameterView* getZonePanel (int index) const { return zonePanels[index]; }
    juce::ImageComponent& getDivider() { return divider; }

private:
    std::unique_ptr<KeybedSplitSelectorView> splitSelector;
    juce::OwnedArray<KeybedParameterView> zonePanels;
    juce::ImageComponent divider;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedControlView)
};
