#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class EditorSettings;

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

    // "File > Open Recent" lists the settings' recent files; choosing one calls `open` with it.
    void setRecentFiles (EditorSettings* settings, std::function<void (const juce::File&)> open);
    // The submenu as it would open now: the files still present, then "Clear Menu".
    juce::PopupMenu createRecentFilesMenu() const;

    static constexpr int firstRecentFileItem = 0x7f0000; // menu items, not commands
    static constexpr int clearRecentFilesItem = 0x7f00ff;

private:
    juce::ApplicationCommandManager* commandManager;
    bool withQuitAndAbout;
    EditorSettings* settings = nullptr;
    std::function<void (const juce::File&)> openRecent;
    mutable juce::Array<juce::File> shownRecentFiles;

    JUCE_DECLARE_NON_COPYABLE (MainMenuModel)
};
