#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The sustain pedal input: MIDI channel, CC, and the values sent when pressed and released.
class SustainControlView : public juce::Component
{
public:
    explicit SustainControlView (OrbEditorEngine::Ptr engine);
    ~SustainControlView() override;

    juce::Label& getTitle() { return *title; }
    // In order: MIDI Channel, CC, Pressed, Released.
    SingleParameterControllerNumberBox* getWidget (int index) const { return widgets[index]; }

private:
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> title;
    juce::OwnedArray<SingleParameterControllerNumberBox> widgets;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SustainControlView)
};
