#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/GenericControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

#include <cstdint>
#include <memory>

// One knob: "Mode" chooses between "CC" (channel, CC, min, max) and "Aftertouch" (channel, min,
// max). Every widget edits knob instance knobIndex.
class KnobControlView : public GenericControlView
{
public:
    KnobControlView (OrbEditorEngine::Ptr engine, std::uint8_t knobIndex);
    ~KnobControlView() override;

    void buildControls() override;

    std::uint8_t getKnobIndex() const noexcept { return knobIndex; }
    int getNumControllers() const noexcept { return controllers.size(); }
    DoubleParamterControllerNumberBox* getController (int index) const { return controllers[index]; }

private:
    OrbEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> controllers;
    std::unique_ptr<DoubleParameterControllerComboBox> modeSelector;
    std::uint8_t knobIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobControlView)
};
