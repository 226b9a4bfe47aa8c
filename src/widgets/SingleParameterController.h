#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ParameterUpdater.h"
#include "widgets/UIParameterInterface.h"

// Binds a widget to a parameter of the first (only) group of a type. Shown values are stored
// values plus displayOffset. The controller is the widget itself (the concrete classes combine
// both), so `widget` is not owned.
class SingleParameterController : public ParameterUpdater
{
public:
    SingleParameterController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine,
                               const juce::String& parameterName, int controlType, int displayOffset);
    ~SingleParameterController() override;

    void parameterChanged (juce::String name, int value) override;
    void widgetValueChanged (int shownValue) override;

    // The group this controller is bound to, or null.
    Control* getControl() const;
    // Makes the widget show what the group holds now.
    void refreshWidget();

    UIParameterInterface* widget;
    OrbEditorEngine::Ptr engine;
    // Read at every notification and store: assigning another name rebinds the widget.
    juce::String parameterName;
    int controlType;
    int displayOffset;
};
