#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ParameterUpdater.h"
#include "widgets/UIParameterInterface.h"

// Binds a widget to a parameter of one of the six transport buttons (type 2, instance
// buttonIndex), with no display offset. Follows the same rules as the other controllers: refused
// edits snap back, accepted ones refresh the widgets that share the slot.
class TransportController : public ParameterUpdater
{
public:
    TransportController (UIParameterInterface* widget, OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                         int buttonIndex);
    ~TransportController() override;

    void parameterChanged (juce::String name, int value) override;
    void widgetValueChanged (int shownValue) override;

    // The transport group of this button, or null when the index is out of range.
    Control* getControl() const;
    // Makes the widget show what the group holds now.
    void refreshWidget();

    UIParameterInterface* widget;
    OrbEditorEngine::Ptr engine;
    juce::String parameterName;
    int buttonIndex;
};
