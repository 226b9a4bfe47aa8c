#pragma once

#include "model/Control.h"

#include <cstdint>
#include <functional>

class UIParameterInterface;

// Keeps one widget in step with one parameter of a control group, both ways: the group's
// notifications (parameterChanged) reach the widget, the widget's edits (widgetValueChanged)
// reach the group.
//
// The shared helpers below carry the rules every controller follows, so that a controller only
// has to say which group it is bound to and how it stores into it:
// - an edit the group refuses snaps the widget back to the stored value;
// - an edit that changes the stored byte is announced to every other widget bound to the same
//   slot (the same name elsewhere, or another name sharing the slot), but not echoed to the
//   widget that made it;
// - widgets that follow such an announcement and report their new value back are not stored
//   again, so one edit never sets off a chain of refreshes.
class ParameterUpdater : public Control::Listener
{
public:
    ParameterUpdater() = default;
    ~ParameterUpdater() override;

    // The widget now shows this value (stored value plus display offset).
    virtual void widgetValueChanged (int shownValue) = 0;

    // True while an edit is being announced to the widgets bound to its slot.
    static bool isAnnouncingEdit() { return announcingEditor != nullptr; }

    // The byte a shown value stores: the low 8 bits of shown value minus offset.
    static std::uint8_t toStoredValue (int shownValue, int displayOffset)
    {
        return (std::uint8_t) ((shownValue - displayOffset) & 0xff);
    }

protected:
    // Model to widget: shows value + offset when the notified name is the bound one.
    void showNotifiedValue (UIParameterInterface& widget, const juce::String& boundName, int displayOffset,
                            const juce::String& name, int value) const;

    // Widget to model: stores the shown value through `store` (which must write into `group` with
    // notification off), then snaps back or announces the new byte as described above.
    // `group` may be null (no such group): the value is then only handed to `store`.
    void storeWidgetValue (Control* group, UIParameterInterface& widget, const juce::String& boundName,
                           int displayOffset, int shownValue, const std::function<void (std::uint8_t)>& store);

    // Shows what the group holds now, e.g. when the widget is first bound to it.
    static void showStoredValue (Control* group, UIParameterInterface& widget, const juce::String& boundName,
                                 int displayOffset);

private:
    // The controller whose edit is being announced (message thread only).
    static const ParameterUpdater* announcingEditor;

    JUCE_DECLARE_NON_COPYABLE (ParameterUpdater)
};
