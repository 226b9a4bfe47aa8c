#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The menu bar: "File" (with its "Hardware" submenu), "Options" (ending with the "Zoom" submenu),
// "Window" and "Help", every item a command of the command manager.
class MainMenuModel : public juce::MenuBarModel
{
public:
    // withQuitAndAbout: where there is no application menu, "Quit" ends "File" and "About" ends
    // "Help" so that both stay within reach.
    explicit MainMenuModel (juce::ApplicationCommandManager* commandManager, bool withQuitAndAbout = false);
    ~MainMenuModel() override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;
    void menuItemSelected (int menuItemID, int topLevelMenuIndex) override;

private:
    juce::ApplicationCommandManager* commandManager;
    bool withQuitAndAbout;

    JUCE_DECLARE_NON_COPYABLE (MainMenuModel)
};
