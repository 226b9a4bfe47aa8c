#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// One keybed zone ("Keybed", "Lower Keybed" or "Upper Keybed"): MIDI channel, transpose, octave
// and curve of that zone, captioned with the short names, and the zone's MIDI-to-DIN flag.
class KeybedParameterView : public juce::Component
{
public:
    KeybedParameterView (OrbEditorEngine::Ptr engine, const juce::String& panelName);
    ~KeybedParameterView() override;

    juce::Label& getTitle() { return *title; }
    int getNumControllers() const { return controllers.size(); }
    // In order: MIDI Channel, Transpose, Octave, Curve.
    SingleParameterControllerNumberBox* getController (int index) const { return controllers[index]; }
    ControlToMidiControllerButton& getMidiToDinButton() { return *dinButton; }

private:
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> title;
    juce::OwnedArray<SingleParameterControllerNumberBox> controllers;
    std::unique_ptr<ControlToMidiControllerButton> dinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedParameterView)
};
