#include "app/MainMenuModel.h"

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
    }
    else if (menuName == "Help")
    {
        menu.addCommandItem (commandManager, Commands::openUserGuideCommand);

        if (withQuitAndAbout)
            menu.addCommandItem (commandManager, Commands::aboutCommand);
    }

    return menu;
}

void MainMenuModel::menuItemSelected (int, int) {}
