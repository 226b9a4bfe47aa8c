#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/SingleParameterControllerComboBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The pitch wheel: its MIDI channel (or "Omni") and its MIDI-to-DIN flag.
class PitchWheelView : public juce::Component
{
public:
    explicit PitchWheelView (OrbEditorEngine::Ptr engine);
    ~PitchWheelView() override;

    juce::Label& getTitle() { return *title; }
    SingleParameterControllerComboBox& getChannelSelector() { return *channelSelector; }
    ControlToMidiControllerButton& getMidiToDinButton() { return *midiToDinButton; }

private:
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> title;
    std::unique_ptr<SingleParameterControllerComboBox> channelSelector;
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PitchWheelView)
};
