#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The modulation wheel: its MIDI channel (or "Omni"), the CC it sends and the range of values,
// and its MIDI-to-DIN flag. The captions are short ("CC", "Min", "Max"); the bindings are the
// wheel's own parameters ("Mod Wheel CC" …).
class ModWheelView : public juce::Component
{
public:
    explicit ModWheelView (OrbEditorEngine::Ptr engine);
    ~ModWheelView() override;

    juce::Label& getTitle() { return *title; }
    SingleParameterControllerComboBox& getChannelSelector() { return *channelSelector; }
    SingleParameterControllerNumberBox& getCcBox() { return *ccBox; }
    SingleParameterControllerNumberBox& getMinimumBox() { return *minimumBox; }
    SingleParameterControllerNumberBox& getMaximumBox() { return *maximumBox; }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }

private:
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> title;
    std::unique_ptr<SingleParameterControllerComboBox> channelSelector;
    std::unique_ptr<SingleParameterControllerNumberBox> ccBox;
    std::unique_ptr<SingleParameterControllerNumberBox> minimumBox;
    std::unique_ptr<SingleParameterControllerNumberBox> maximumBox;
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModWheelView)
};
