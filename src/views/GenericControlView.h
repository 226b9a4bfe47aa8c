#pragma once

#include "model/ControlType.h"
#include "midi/OrbEditorEngine.h"
#include "views/ControlSettingsMenu.h"
#include "widgets/ComboBoxWithLabel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The view of one control instance (one knob, one pad, one switch …): a title, a "Mode" list and one
// group of parameter widgets per mode, of which only the group of the selected mode is shown.
//
// A concrete view owns its mode selector and its widgets. Its buildControls creates the mode selector
// (with no entries of its own), hands it to setModeSelector, then adds one group per mode with
// addControlGroup: the group names become the entries of the mode list, so entry k stands for mode
// value k. Its constructor then shows group 0; afterwards the mode list decides.
class GenericControlView : public juce::Component, public juce::ComboBox::Listener
{
public:
    // The widgets of one mode, stacked from the top (x 0, 200 by 18, 5 pixels apart). The widgets
    // belong to the concrete view, not to the group.
    class GenericControlViewControlGroup : public juce::Component
    {
    public:
        explicit GenericControlViewControlGroup (const juce::Array<juce::Component*>& widgets);
        ~GenericControlViewControlGroup() override;

        const juce::Array<juce::Component*>& getWidgets() const noexcept { return widgets; }

    private:
        juce::Array<juce::Component*> widgets;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GenericControlViewControlGroup)
    };

    // 300 by 200, with the title (for example "Knob 1") at the top.
    explicit GenericControlView (const juce::String& title);
    ~GenericControlView() override;

    // Uses the list (owned by the concrete view) as the "Mode" list, below the title, and follows it.
    void setModeSelector (ComboBoxWithLabel* selector);

    // Adds the name as the next mode entry and the widgets as that mode's group, hidden.
    void addControlGroup (const juce::String& groupName, const juce::Array<juce::Component*>& widgets);

    // Shows the group at that position and hides every other one; an index without a group hides all.
    void showControlGroup (int index);

    // The mode list changed: show the group of the selected entry.
    void comboBoxChanged (juce::ComboBox* box) override;

    // Creates the mode selector, the widgets and their groups.
    virtual void buildControls() = 0;

    juce::Label& getTitleLabel() noexcept { return *titleLabel; }
    // The title's copy and paste menu for that instance of the type.
    void offerSettingsMenu (OrbEditorEngine::Ptr engine, ControlType controlType, int instanceIndex);
    ControlSettingsMenu* getSettingsMenu() const noexcept { return settingsMenu.get(); }
    ComboBoxWithLabel* getModeSelector() const noexcept { return modeSelector; }
    int getNumControlGroups() const noexcept { return controlGroups.size(); }
    GenericControlViewControlGroup* getControlGroup (int index) const noexcept { return controlGroups[index]; }

protected:
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<ControlSettingsMenu> settingsMenu;
    ComboBoxWithLabel* modeSelector = nullptr;
    juce::OwnedArray<GenericControlViewControlGroup> controlGroups;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GenericControlView)
};
