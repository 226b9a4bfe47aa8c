#pragma once

#include "model/Control.h"

// Keeps one widget in step with one parameter of a control group, both ways: the group's
// notifications (parameterChanged) reach the widget, the widget's edits (widgetValueChanged)
// reach the group. ParameterBinding carries the rules every controller follows.
class ParameterUpdater : public Control::Listener
{
public:
    ParameterUpdater() = default;
    ~ParameterUpdater() override = default;

    // The widget now shows this value (stored value plus display offset).
    virtual void widgetValueChanged (int shownValue) = 0;

private:
    JUCE_DECLARE_NON_COPYABLE (ParameterUpdater)
};
