#pragma once

#include "model/ControlType.h"
#include "midi/OrbEditorEngine.h"
#include "views/GenericControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

#include <memory>

// One instance of a control type whose parameters depend on its "Mode" (a knob, a pad, a switch):
// the "Mode" list, and one group of number boxes per mode, as the type's presentation lists them.
// Every widget edits instance instanceIndex of the type; the title and the copy and paste menu
// name that instance.
class ModeControlView : public GenericControlView
{
public:
    ModeControlView (OrbEditorEngine::Ptr engine, ControlType controlType, int instanceIndex);
    ~ModeControlView() override;

    void buildControls() override;

    int getNumControllers() const noexcept { return controllers.size(); }
    DoubleParamterControllerNumberBox* getController (int index) const { return controllers[index]; }

protected:
    OrbEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> controllers;
    std::unique_ptr<DoubleParameterControllerComboBox> modeSelector;
    const ControlType controlType;
    const int instanceIndex;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModeControlView)
};
