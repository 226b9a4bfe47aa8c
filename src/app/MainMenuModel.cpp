#include "app/MainMenuModel.h"

#include "app/EditorSettings.h"
#include "app/EditorZoom.h"
#include "app/KestrinOrbEditorApplication.h"

using Commands = KestrinOrbEditorApplication;

MainMenuModel::MainMenuModel (juce::ApplicationCommandManager* manager, bool quitAndAbout)
    : commandManager (manager), withQuitAndAbout (quitAndAbout)
{
    setApplicationCommandManagerToWatch (commandManager);
}

MainMenuModel::~MainMenuModel() = default;

juce::StringArray MainMenuModel::getMenuBarNames()
{
    return { "File", "Edit", "Options", "Window", "Help" };
}

juce::PopupMenu MainMenuModel::getMenuForIndex (int, const juce::String& menuName)
{
    juce::PopupMenu menu;

    if (menuName == "File")
    {
        for (auto id : { Commands::newWindowCommand, Commands::openCommand, Commands::closeWindowCommand,
                         Commands::saveCommand, Commands::saveAsCommand })
            menu.addCommandItem (commandManager, id);

        juce::PopupMenu hardware;
        hardware.addCommandItem (commandManager, Commands::getPresetCommand);
        hardware.addCommandItem (commandManager, Commands::sendPresetCommand);
        hardware.addCommandItem (commandManager, Commands::liveEditCommand);
        hardware.addSeparator();
        hardware.addCommandItem (commandManager, Commands::setInternalSyncCommand);
        hardware.addCommandItem (commandManager, Commands::setExternalSyncCommand);
        hardware.addSeparator();
        hardware.addCommandItem (commandManager, Commands::compareWithHardwareSlotCommand);
        hardware.addSeparator();
        hardware.addCommandItem (commandManager, Commands::backUpAllSlotsCommand);
        hardware.addCommandItem (commandManager, Commands::restoreSlotsCommand);
        menu.addSubMenu ("Hardware", hardware, true);
        menu.addCommandItem (commandManager, Commands::compareWithFileCommand);
        if (settings != nullptr)
            menu.addSubMenu ("Open Recent", createRecentFilesMenu());

        if (withQuitAndAbout)
        {
            menu.addSeparator();
            menu.addCommandItem (commandManager, Commands::quitCommand);
        }
    }
    else if (menuName == "Edit")
    {
        menu.addCommandItem (commandManager, Commands::undoCommand);
        menu.addCommandItem (commandManager, Commands::redoCommand);
    }
    else if (menuName == "Options")
    {
        menu.addCommandItem (commandManager, Commands::deviceSetupCommand);
        menu.addSubMenu ("Zoom", EditorZoom::createMenu (commandManager));
    }
    else if (menuName == "Window")
    {
        menu.addCommandItem (commandManager, Commands::minimizeCommand);
        menu.addCommandItem (commandManager, Commands::bringAllToFrontCommand);
        menu.addSeparator();
        menu.addCommandItem (commandManager, Commands::midiMonitorCommand);
        menu.addSeparator();
    }
    else if (menuName == "Help")
    {
        menu.addCommandItem (commandManager, Commands::openUserGuideCommand);

        if (withQuitAndAbout)
            menu.addCommandItem (commandManager, Commands::aboutCommand);
    }

    return menu;
}

void MainMenuModel::setRecentFiles (EditorSettings* newSettings, std::function<void (const juce::File&)> open)
{
    settings = newSettings;
    openRecent = std::move (open);
    menuItemsChanged();
}

juce::PopupMenu MainMenuModel::createRecentFilesMenu() const
{
    // Files that have gone are left out, and the list numbered as shown, so that an item's number
    // finds its file when chosen.
    juce::PopupMenu recent;
    shownRecentFiles.clear();
    const auto& files = settings->getRecentFiles();
    for (int i = 0; i < files.getNumFiles(); ++i)
        if (const auto file = files.getFile (i); file.existsAsFile())
        {
            recent.addItem (firstRecentFileItem + shownRecentFiles.size(), file.getFullPathName());
            shownRecentFiles.add (file);
        }

    if (! shownRecentFiles.isEmpty())
        recent.addSeparator();
    recent.addItem (clearRecentFilesItem, "Clear Menu", files.getNumFiles() > 0);
    return recent;
}

void MainMenuModel::menuItemSelected (int menuItemID, int)
{
    if (menuItemID == clearRecentFilesItem && settings != nullptr)
    {
        settings->clearRecentFiles();
        menuItemsChanged();
    }
    else if (const int index = menuItemID - firstRecentFileItem;
             juce::isPositiveAndBelow (index, shownRecentFiles.size()) && openRecent)
    {
        openRecent (shownRecentFiles[index]);
    }
}
