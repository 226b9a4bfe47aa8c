#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The roll (note repeat) panel: function, time division, gate and swing.
class RollModeControlView : public juce::Component
{
public:
    explicit RollModeControlView (OrbEditorEngine::Ptr engine);
    ~RollModeControlView() override;

    juce::Label& getTitle() { return *title; }
    SingleParameterControllerComboBox& getFunction() { return *function; }
    SingleParameterControllerComboBox& getTimeDivision() { return *timeDivision; }
    SingleParameterControllerNumberBox& getGate() { return *numberControllers.getUnchecked (0); }
    SingleParameterControllerNumberBox& getSwing() { return *numberControllers.getUnchecked (1); }

private:
    OrbEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> title;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberControllers;
    std::unique_ptr<SingleParameterControllerComboBox> timeDivision;
    std::unique_ptr<SingleParameterControllerComboBox> function;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RollModeControlView)
};
