#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ParameterUpdater.h"
#include "widgets/UIParameterInterface.h"

// Binds a widget to a parameter of one instance of a group type (one knob of eight, one pad of
// sixteen). Otherwise as SingleParameterController.
class DoubleParameterController : public ParameterUpdater
{
public:
    DoubleParameterController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine,
                               const juce::String& parameterName, std::uint8_t instanceIndex,
                               int controlType, int displayOffset);
    ~DoubleParameterController() override;

    void parameterChanged (juce::String name, int value) override;
    void widgetValueChanged (int shownValue) override;

    // The group this controller is bound to, or null when the index is out of range.
    Control* getControl() const;
    // Makes the widget show what the group holds now.
    void refreshWidget();

    UIParameterInterface* widget;
    OrbEditorEngine::Ptr engine;
    // Read at every notification and store: assigning another name rebinds the widget.
    juce::String parameterName;
    std::uint8_t instanceIndex;
    int controlType;
    int displayOffset;
};
