#include "app/KestrinOrbEditorApplication.h"

#include "app/AboutWindow.h"
#include "app/AlertPlacement.h"
#include "app/CommandLineFiles.h"
#include "app/DeviceManagerWindow.h"
#include "app/FileChooserService.h"
#include "app/GetPresetWindow.h"
#include "app/LibrarianWindow.h"
#include "app/MainMenuModel.h"
#include "app/MidiMonitorWindow.h"
#include "app/PresetCompareWindow.h"
#include "app/SendPresetWindow.h"
#include "midi/JuceMidiPorts.h"
#include "views/EditorComponent.h"
#include "views/TabSelectorButtons.h"

#if ORBMINI_DEMO_DEVICE
#include "simulator/DemoMidiPorts.h"
#endif

namespace
{
// Platforms with a global menu bar keep "About" in the application menu and "Quit" in the
// platform's own place; elsewhere the menu bar of each window must offer both, and a process
// without windows would be out of the user's reach.
constexpr bool hasApplicationMenu =
#if JUCE_MAC
    true;
#else
    false;
#endif

void describeCommand (juce::ApplicationCommandInfo& result, const juce::String& name, int key = 0)
{
    result.setInfo (name, {}, "General", 0);
    result.setActive (true);
    result.setTicked (false);

    if (key != 0)
        result.addDefaultKeypress (key, juce::ModifierKeys::commandModifier);
}
} // namespace

KestrinOrbEditorApplication::KestrinOrbEditorApplication (std::uint8_t model, int knobs, int pads, int switches,
                                                          std::uint8_t keys, std::uint8_t octaveMax,
                                                          const juce::String& wildcard)
    : modelByte (model), numKnobs (knobs), numPads (pads), numSwitches (switches), numKeys (keys),
      octaveMaximum (octaveMax), presetWildcard (wildcard)
{}

KestrinOrbEditorApplication::~KestrinOrbEditorApplication()
{
    // The windows show the menu model and listen to the command manager's keys: they go first.
    delete aboutWindow.get();
    delete deviceSetupWindow.get();
    delete midiMonitorWindow.get();
    windowManager.reset();
    mainMenuModel.reset();
    commandManager.reset();
    forgetSettings();
}

namespace
{
KestrinOrbEditorApplication::PortLayerFactory portLayerFactory = nullptr;
}

void KestrinOrbEditorApplication::setPortLayerFactory (PortLayerFactory factory)
{
    portLayerFactory = factory;
}

std::unique_ptr<MidiPortLayer> KestrinOrbEditorApplication::createPortLayer()
{
    if (portLayerFactory != nullptr)
        return portLayerFactory();
#if ORBMINI_DEMO_DEVICE
    return std::make_unique<DemoMidiPorts> (std::make_unique<JuceMidiPorts>());
#else
    return std::make_unique<JuceMidiPorts>();
#endif
}

AboutWindow* KestrinOrbEditorApplication::getAboutWindow() const
{
    return aboutWindow.get();
}

DeviceManagerWindow* KestrinOrbEditorApplication::getDeviceSetupWindow() const
{
    return deviceSetupWindow.get();
}

MidiMonitorWindow* KestrinOrbEditorApplication::getMidiMonitorWindow() const
{
    return midiMonitorWindow.get();
}

void KestrinOrbEditorApplication::showMidiMonitor()
{
    if (midiMonitorWindow == nullptr)
        midiMonitorWindow = new MidiMonitorWindow (midiManager, &lastDirectory, getWindowForDialogs());
}

juce::Component* KestrinOrbEditorApplication::getWindowForDialogs() const
{
    if (windowManager == nullptr)
        return nullptr;

    if (auto* active = windowManager->getActiveWindow())
        return active;

    return windowManager->getNumWindows() > 0 ? windowManager->getWindow (0) : nullptr;
}

bool KestrinOrbEditorApplication::moreThanOneInstanceAllowed()
{
    // On Linux the framework finds the running instance but cannot hand it the command line (and
    // its lock file is shared between users), so the instance channel takes over there.
#if JUCE_LINUX || JUCE_BSD
    return true;
#else
    return false;
#endif
}

void KestrinOrbEditorApplication::initialise (const juce::String& commandLine)
{
#if JUCE_LINUX || JUCE_BSD
    instanceChannel = std::make_unique<SingleInstanceChannel> (instanceChannelName);

    if (! instanceChannel->isPrimary())
    {
        if (handOver (*instanceChannel, commandLine))
        {
            instanceChannel.reset();
            setApplicationReturnValue (0);
            quit();
            return;
        }

        // The running instance does not answer: better a second editor than a lost file.
        instanceChannel.reset();
    }
    else
    {
        instanceChannel->startListening (
            [this] (const juce::String& handedOver) { anotherInstanceStarted (handedOver); });
    }
#endif

    startEditor (commandLine);
}

bool KestrinOrbEditorApplication::handOver (const SingleInstanceChannel& channel, const juce::String& commandLine)
{
    // The running editor works in a folder of its own: relative paths are made absolute here.
    return ! channel.isPrimary()
           && channel.sendToPrimary (
               CommandLineFiles::toAbsoluteCommandLine (commandLine, juce::File::getCurrentWorkingDirectory()));
}

bool KestrinOrbEditorApplication::handOverToRunningEditor (const juce::StringArray& arguments)
{
    const SingleInstanceChannel channel (instanceChannelName);
    return handOver (channel, CommandLineFiles::join (arguments));
}

void KestrinOrbEditorApplication::startEditor (const juce::String& commandLine)
{
    commandManager = std::make_unique<juce::ApplicationCommandManager>();
    mainMenuModel = std::make_unique<MainMenuModel> (commandManager.get(), ! hasApplicationMenu);
    commandManager->registerAllCommandsForTarget (this);
    windowManager = std::make_unique<WindowManager> (mainMenuModel.get(), commandManager.get(), &lastDirectory);

    if (! hasApplicationMenu)
        windowManager->onLastWindowClosed = [this] { systemRequestedQuit(); };

    restoreSettings();
    mainMenuModel->setRecentFiles (settings.get(), [this] (const juce::File& file) { openInNewWindow (file); });

    applicationMenuItems.addCommandItem (commandManager.get(), aboutCommand);
#if JUCE_MAC
    juce::MenuBarModel::setMacMainMenu (mainMenuModel.get(), &applicationMenuItems, "");
#endif

    const auto trimmed = commandLine.trim();

    if (trimmed.isNotEmpty() && ! trimmed.startsWithChar ('-'))
        anotherInstanceStarted (commandLine);
    else
        newWindow();

    juce::LookAndFeel::getDefaultLookAndFeel().setUsingNativeAlertWindows (true);

    if (settings->wasMovedAside())
    {
        juce::AlertWindow::showMessageBoxAsync (
            juce::MessageBoxIconType::WarningIcon, "Settings Not Read",
            "The settings file " + settings->getFile().getFullPathName() + " could not be read. It was moved aside as "
                + settings->getFile().getFileName() + ".bad, and the editor starts with its defaults.",
            "OK");
        AlertPlacement::centreShownAlertOver (getWindowForDialogs());
    }
}

void KestrinOrbEditorApplication::restoreSettings()
{
    FileChooserService::setFolderMemory (settings.get());
    midiLink = std::make_unique<MidiLink> (midiManager, *settings);
    midiLink->restore();
}

void KestrinOrbEditorApplication::forgetSettings()
{
    midiLink.reset();
    FileChooserService::setFolderMemory (nullptr);
    settings.reset();
}

void KestrinOrbEditorApplication::noteRecentFile (const juce::File& file)
{
    auto* app = dynamic_cast<KestrinOrbEditorApplication*> (juce::JUCEApplicationBase::getInstance());
    if (app == nullptr || app->settings == nullptr)
        return;

    app->settings->addRecentFile (file);
    if (app->mainMenuModel != nullptr)
        app->mainMenuModel->menuItemsChanged();
}

void KestrinOrbEditorApplication::shutdown()
{
#if JUCE_MAC
    juce::MenuBarModel::setMacMainMenu (nullptr);
#endif
    instanceChannel.reset();
    windowManager.reset();
    mainMenuModel.reset();
    forgetSettings();
}

void KestrinOrbEditorApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    if (windowManager == nullptr)
        return;

    const auto files = CommandLineFiles::parse (commandLine, juce::File::getCurrentWorkingDirectory());

    // A later start with no file just brings the editor forward.
    if (files.isEmpty())
    {
        if (windowManager->getNumWindows() == 0)
            newWindow();
        else
            windowManager->bringAllWindowsToFront();
        return;
    }

    for (const auto& file : files)
    {
        // A single file handed over while no editor window is active (a double-click in a file
        // manager, say) opens in a window of its own rather than being dropped or replacing a
        // preset in the background, nor replaces unsaved changes; several files each get a window
        // of their own.
        auto* window = files.size() == 1 ? windowManager->getActiveWindow() : nullptr;

        if (window == nullptr || window->hasUnsavedChanges())
            window = newWindow();

        window->loadFile (file);
        window->toFront (true);
    }

    WindowManager::keepAlertsInFront();
}

void KestrinOrbEditorApplication::systemRequestedQuit()
{
    if (windowManager == nullptr)
        return quitWithoutAsking();

    // A second quit while the questions are up is the same quit.
    if (askingBeforeQuit)
        return;

    askingBeforeQuit = true;
    juce::WeakReference<juce::ApplicationCommandTarget> self (this);

    windowManager->askToSaveAllWindows ([this, self] (bool mayQuit) {
        if (self == nullptr)
            return;

        askingBeforeQuit = false;

        if (mayQuit)
            quitAfterWrites.quitUnlessWritingSlots (windowManager.get());
    });
}

void KestrinOrbEditorApplication::quitWithoutAsking()
{
    delete aboutWindow.get();
    delete deviceSetupWindow.get();
    delete midiMonitorWindow.get();

    // Transfer dialogs and compare windows may outlive their editor window, but not the application.
    auto& desktop = juce::Desktop::getInstance();

    for (int i = desktop.getNumComponents(); --i >= 0;)
    {
        auto* component = desktop.getComponent (i);

        if (dynamic_cast<PresetTransferWindow*> (component) != nullptr
            || dynamic_cast<PresetCompareWindow*> (component) != nullptr
            || dynamic_cast<LibrarianWindow*> (component) != nullptr)
            delete component;
    }

    quit();
}

void KestrinOrbEditorApplication::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({ aboutCommand, newWindowCommand, openCommand, deviceSetupCommand, closeWindowCommand,
                         minimizeCommand, bringAllToFrontCommand, openUserGuideCommand, quitCommand });
    commands.addArray ({ backUpAllSlotsCommand, restoreSlotsCommand });
    commands.add (midiMonitorCommand);
    commands.addArray (EditorZoom::commandIDs.data(), (int) EditorZoom::commandIDs.size());
}

void KestrinOrbEditorApplication::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    switch (commandID)
    {
        case newWindowCommand: describeCommand (result, "New Window ", 'n'); break;
        case openCommand: describeCommand (result, "Open", 'o'); break;
        case closeWindowCommand: describeCommand (result, "Close Window", 'w'); break;
        case quitCommand: describeCommand (result, "Quit", 'q'); break;
        case aboutCommand: describeCommand (result, "About"); break;
        case deviceSetupCommand: describeCommand (result, "Device Setup"); break;
        case minimizeCommand: describeCommand (result, "Minimize", 'm'); break;
        case bringAllToFrontCommand: describeCommand (result, "Bring All to Front"); break;
        case midiMonitorCommand: describeCommand (result, "MIDI Monitor"); break;
        case openUserGuideCommand: describeCommand (result, "Open User Guide", 'h'); break;
        case backUpAllSlotsCommand:
            describeCommand (result, juce::CharPointer_UTF8 ("Back Up All Slots\xe2\x80\xa6"));
            break;
        case restoreSlotsCommand: describeCommand (result, juce::CharPointer_UTF8 ("Restore Slots\xe2\x80\xa6")); break;
        default: zoom.getCommandInfo (commandID, result); break;
    }
}

bool KestrinOrbEditorApplication::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case newWindowCommand: newWindow(); break;
        case openCommand: openPresetFile(); break;
        case quitCommand: systemRequestedQuit(); break;
        case aboutCommand: showAboutWindow(); break;
        case deviceSetupCommand: showDeviceSetup(); break;
        case minimizeCommand: windowManager->minimiseActiveWindow(); break;
        case bringAllToFrontCommand: windowManager->bringAllWindowsToFront(); break;
        case midiMonitorCommand: showMidiMonitor(); break;
        case openUserGuideCommand: openUserGuide(); break;
        case backUpAllSlotsCommand: LibrarianWindow::backUpAllSlots (midiManager, lastDirectory); break;
        case restoreSlotsCommand: LibrarianWindow::restoreSlots (midiManager, lastDirectory); break;
        default:
            if (zoom.perform (info.commandID) && settings != nullptr)
                settings->setZoom (zoom.isFollowingDesktop() ? 0.0f : zoom.getScale());
            break;
    }

    return true;
}

EditorWindow* KestrinOrbEditorApplication::newWindow()
{
    OrbEditorEngine::Ptr engine =
        new OrbEditorEngine (&modelByte, midiManager, presetWildcard, (std::uint8_t) (numKeys - 1), octaveMaximum,
                             numKnobs, numPads, numSwitches);

    auto* tabs = new TabSelectorButtons();
    auto* picture = createProductImageViewSelector();
    auto* component = new EditorComponent (tabs, picture, engine, numKnobs, numPads, numSwitches);

    const auto* data = getDefaultPresetData();
    engine->loadPresetData (OrbEditorEngine::ByteArray (data, getDefaultPresetDataSize()));

    return windowManager->createWindow (component, engine, {});
}

void KestrinOrbEditorApplication::openPresetFile()
{
    FileChooserService::Request request { "Select Filename to open", lastDirectory, presetWildcard, false };
    juce::WeakReference<juce::ApplicationCommandTarget> self (this);

    FileChooserService::getCurrent().chooseFile (request, [this, self] (const juce::File& chosen) {
        if (self == nullptr || windowManager == nullptr || chosen == juce::File())
            return;

        openInNewWindow (chosen);
    });
}

void KestrinOrbEditorApplication::openInNewWindow (const juce::File& file)
{
    // Always a window of its own, even when the current one is untitled and unchanged.
    if (auto* window = newWindow())
        window->loadFile (file);
}
