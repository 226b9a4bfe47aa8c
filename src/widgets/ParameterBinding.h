#pragma once

#include "model/ControlType.h"
#include "midi/OrbEditorEngine.h"
#include "widgets/ParameterUpdater.h"
#include "widgets/UIParameterInterface.h"

#include <cstdint>

// The body every parameter controller shares: listens to one control group of the engine for as
// long as it lives, shows the bound parameter (stored value plus displayOffset) in its widget
// whenever the group notifies, and writes the widget's edits back. The controllers differ only in
// which group they address and how the engine stores into it (storeInGroup). The controller is
// the widget itself (the concrete classes combine both), so `widget` is not owned.
//
// The rules of an edit:
// - an edit the group refuses snaps the widget back to the stored value;
// - an edit that changes the stored byte is announced to every other widget bound to the same
//   slot (the same name elsewhere, or another name sharing the slot), but not echoed to the
//   widget that made it;
// - widgets that follow such an announcement and report their new value back are not stored
//   again, so one edit never sets off a chain of refreshes.
class ParameterBinding : public ParameterUpdater
{
public:
    ~ParameterBinding() override;

    // Model to widget: shows value + offset when the notified name is the bound one.
    void parameterChanged (juce::String name, int value) override;
    // Widget to model, by the rules above.
    void widgetValueChanged (int shownValue) override;

    // The group this controller is bound to, or null when the engine has no such instance.
    Control* getControl() const noexcept { return group; }
    // Makes the widget show what the group holds now.
    void refreshWidget();
    // Binds the widget to another parameter of the same group (the caption stays) and shows it.
    void rebind (const juce::String& name);

    // True while an edit is being announced to the widgets bound to its slot.
    static bool isAnnouncingEdit() { return announcingEditor != nullptr; }

    // The byte a shown value stores: the low 8 bits of shown value minus offset.
    static std::uint8_t toStoredValue (int shownValue, int displayOffset)
    {
        return (std::uint8_t) ((shownValue - displayOffset) & 0xff);
    }

    UIParameterInterface* widget;
    OrbEditorEngine::Ptr engine;
    // Read at every notification and store: assigning another name rebinds the widget.
    juce::String parameterName;
    ControlType controlType;
    int displayOffset;

protected:
    // Listens to instance `instance` of the control type from now on.
    ParameterBinding (UIParameterInterface* widget, OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                      ControlType controlType, int instance, int displayOffset);

    // Stores the byte into the bound group through the engine, with notification off.
    virtual void storeInGroup (std::uint8_t value) = 0;

private:
    void announceToSlot (std::uint8_t stored);

    Control* const group;

    // The controller whose edit is being announced (message thread only).
    static const ParameterBinding* announcingEditor;
};
