#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class KeybedControlView;

// The "Split Keyboard" panel: split mode ("On"/"Off") and split point. It follows its split-mode
// list and tells the keybed view whether one zone or two are to be shown.
class KeybedSplitSelectorView : public juce::Component, public juce::ComboBox::Listener
{
public:
    KeybedSplitSelectorView (OrbEditorEngine::Ptr engine, KeybedControlView* owner);
    ~KeybedSplitSelectorView() override;

    // Split unless the list reads exactly "Off" (nothing selected counts as split).
    void comboBoxChanged (juce::ComboBox* box) override;

    juce::Label& getTitle() { return *title; }
    SingleParameterControllerComboBox& getSplitMode() { return *splitMode; }
    SingleParameterControllerNumberBox& getSplitPoint() { return *numberControllers.getUnchecked (0); }

private:
    OrbEditorEngine::Ptr engine;
    KeybedControlView* owner;
    std::unique_ptr<juce::Label> title;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberControllers;
    std::unique_ptr<SingleParameterControllerComboBox> splitMode;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedSplitSelectorView)
};
