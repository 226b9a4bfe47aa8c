#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/GenericControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

#include <cstdint>
#include <memory>

// One assignable switch: "Mode" chooses between "CC Toggle", "CC Momentary" and "Program Change".
// Every widget edits switch instance switchIndex.
class SwitchControlView : public GenericControlView
{
public:
    SwitchControlView (OrbEditorEngine::Ptr engine, std::uint8_t switchIndex);
    ~SwitchControlView() override;

    void buildControls() override;

    std::uint8_t getSwitchIndex() const noexcept { return switchIndex; }
    int getNumControllers() const noexcept { return controllers.size(); }
    DoubleParamterControllerNumberBox* getController (int index) const { return controllers[index]; }

private:
    OrbEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> controllers;
    std::unique_ptr<DoubleParameterControllerComboBox> modeSelector;
    std::uint8_t switchIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchControlView)
};
