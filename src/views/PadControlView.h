#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/GenericControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

#include <cstdint>
#include <memory>

// One drum pad: "Mode" chooses between "Note", "CC Toggle", "CC Momentary" and "Program Change",
// each with the four parameters that mean something in that mode. Every widget edits pad
// instance padIndex.
class PadControlView : public GenericControlView
{
public:
    PadControlView (OrbEditorEngine::Ptr engine, std::uint32_t padIndex);
    ~PadControlView() override;

    void buildControls() override;

    std::uint32_t getPadIndex() const noexcept { return padIndex; }
    int getNumControllers() const noexcept { return controllers.size(); }
    DoubleParamterControllerNumberBox* getController (int index) const { return controllers[index]; }

private:
    OrbEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> controllers;
    std::unique_ptr<DoubleParameterControllerComboBox> modeSelector;
    std::uint32_t padIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadControlView)
};
