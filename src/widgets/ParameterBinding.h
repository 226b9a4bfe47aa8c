#pragma once

#include "midi/OrbEditorEngine.h"
#include "widgets/ParameterUpdater.h"
#include "widgets/UIParameterInterface.h"

#include <cstdint>

// The body every parameter controller shares: listens to one control group of the engine for as
// long as it lives, shows the bound parameter (stored value plus displayOffset) in its widget
// whenever the group notifies, and writes the widget's edits back (snapping back when the group
// refuses them). The controllers differ only in which group they address and how the engine
// stores into it (storeInGroup). The controller is the widget itself (the concrete classes
// combine both), so `widget` is not owned.
class ParameterBinding : public ParameterUpdater
{
public:
    ~ParameterBinding() override;

    void parameterChanged (juce::String name, int value) override;
    void widgetValueChanged (int shownValue) override;

    // The group this controller is bound to, or null when the engine has no such instance.
    Control* getControl() const noexcept { return group; }
    // Makes the widget show what the group holds now.
    void refreshWidget();

    UIParameterInterface* widget;
    OrbEditorEngine::Ptr engine;
    // Read at every notification and store: assigning another name rebinds the widget.
    juce::String parameterName;
    int controlType;
    int displayOffset;

protected:
    // Listens to instance `instance` of the control type from now on.
    ParameterBinding (UIParameterInterface* widget, OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                      int controlType, int instance, int displayOffset);

    // Stores the byte into the bound group through the engine, with notification off.
    virtual void storeInGroup (std::uint8_t value) = 0;

private:
    Control* const group;
};
