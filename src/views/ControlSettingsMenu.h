#pragma once

#include "model/ControlType.h"
#include "midi/OrbEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The pop-up menu of a control's title (a knob, pad, switch or transport button): "Copy Knob 3
// Settings", "Paste to Knob 5", "Paste to All Knobs" and, for pads, "Paste to All Pads, Notes
// Ascending". It listens to the title for a right click (or the platform's pop-up gesture).
class ControlSettingsMenu : public juce::MouseListener
{
public:
    enum ItemIDs
    {
        copyItem = 1,
        pasteItem,
        pasteToAllItem,
        pasteToAllPadsNotesAscendingItem
    };

    // Listens to `title` (which must outlive this menu) for the instance `index` of `type`.
    ControlSettingsMenu (juce::Component& title, OrbEditorEngine::Ptr engine, ControlType type, int index);
    ~ControlSettingsMenu() override;

    // The menu as the clipboard stands now; paste items are disabled unless it holds settings of
    // this type.
    juce::PopupMenu build() const;
    // Carries out a chosen item.
    void choose (int itemID);

    void mouseDown (const juce::MouseEvent& event) override;

private:
    juce::Component& title;
    OrbEditorEngine::Ptr engine;
    ControlType type;
    int index;

    JUCE_DECLARE_NON_COPYABLE (ControlSettingsMenu)
};
