#include "views/ControlSettingsMenu.h"

#include "midi/ControlSettingsClipboard.h"
#include "model/ControlType.h"

ControlSettingsMenu::ControlSettingsMenu (juce::Component& titleToWatch, OrbEditorEngine::Ptr e, ControlType t, int i)
    : title (titleToWatch), engine (std::move (e)), type (t), index (i)
{
    title.addMouseListener (this, false);
}

ControlSettingsMenu::~ControlSettingsMenu()
{
    title.removeMouseListener (this);
}

juce::PopupMenu ControlSettingsMenu::build() const
{
    const auto& clipboard = ControlSettingsClipboard::getInstance();
    const auto canPaste = clipboard.hasSettingsFor (type);
    const auto plural = ControlSettingsClipboard::getPluralName (type);

    juce::PopupMenu menu;
    menu.addItem (copyItem, "Copy " + ControlSettingsClipboard::getInstanceTitle (type, index) + " Settings");
    menu.addItem (pasteItem, "Paste to " + ControlSettingsClipboard::getInstanceTitle (type, index), canPaste);
    menu.addItem (pasteToAllItem, "Paste to All " + plural, canPaste);

    if (type == ControlType::pads)
        menu.addItem (pasteToAllPadsNotesAscendingItem, "Paste to All Pads, Notes Ascending", canPaste);

    return menu;
}

void ControlSettingsMenu::choose (int itemID)
{
    auto& clipboard = ControlSettingsClipboard::getInstance();

    switch (itemID)
    {
        case copyItem: clipboard.copy (*engine, type, index); break;
        case pasteItem:
            if (clipboard.hasSettingsFor (type))
                clipboard.pasteTo (*engine, index);
            break;
        case pasteToAllItem:
            if (clipboard.hasSettingsFor (type))
                clipboard.pasteToAll (*engine);
            break;
        case pasteToAllPadsNotesAscendingItem: clipboard.pasteToAllPadsNotesAscending (*engine); break;
        default: break;
    }
}

void ControlSettingsMenu::mouseDown (const juce::MouseEvent& event)
{
    if (! event.mods.isPopupMenu())
        return;

    // The menu may outlive the view (a window closed while it is open): the answer then goes nowhere.
    juce::Component::SafePointer<juce::Component> watched (&title);

    build().showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&title), [this, watched] (int chosen) {
        if (watched != nullptr)
            choose (chosen);
    });
}
