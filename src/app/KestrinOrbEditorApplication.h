#pragma once

#include "app/DesktopScale.h"
#include "app/EditorSettings.h"
#include "app/EditorZoom.h"
#include "app/MidiLink.h"
#include "app/QuitAfterWrites.h"
#include "app/SingleInstanceChannel.h"
#include "app/WindowManager.h"
#include "midi/MidiPortLayer.h"
#include "midi/MidiManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

class AboutWindow;
class DeviceManagerWindow;
class MainMenuModel;
class MidiMonitorWindow;
class ViewSelector;

// Everything of the editor application that does not depend on the device model. The concrete
// class for a model supplies its constants, pictures and built-in default preset.
class KestrinOrbEditorApplication : public juce::JUCEApplication
{
public:
    enum CommandIDs
    {
        newWindowCommand = 0x200010,
        openCommand = 0x200020,
        closeWindowCommand = 0x200030,
        saveCommand = 0x200040,
        saveAsCommand = 0x200050,
        quitCommand = 0x200060,
        getPresetCommand = 0x200070,
        sendPresetCommand = 0x200071,
        setInternalSyncCommand = 0x200072,
        setExternalSyncCommand = 0x200073,
        aboutCommand = 0x200090,
        deviceSetupCommand = 0x200310,
        minimizeCommand = 0x200410,
        bringAllToFrontCommand = 0x200420,
        midiMonitorCommand = 0x200430,
        openUserGuideCommand = 0x200510,
        compareWithHardwareSlotCommand = 0x200074,
        compareWithFileCommand = 0x200080,
        undoCommand = 0x200110,
        redoCommand = 0x200120,
        backUpAllSlotsCommand = 0x200078,
        restoreSlotsCommand = 0x200079,
        liveEditCommand = 0x200075
    };

    KestrinOrbEditorApplication (std::uint8_t modelByte, int numKnobs, int numPads, int numSwitches,
                                 std::uint8_t numKeys, std::uint8_t octaveMaximum, const juce::String& presetWildcard);
    ~KestrinOrbEditorApplication() override;

    const juce::String getApplicationName() override { return JUCE_APPLICATION_NAME_STRING; }
    const juce::String getApplicationVersion() override { return JUCE_APPLICATION_VERSION_STRING; }
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    bool perform (const InvocationInfo& info) override;

    // A start while an editor already runs for this user: hands the arguments' files (as absolute
    // paths) to that editor. False when no editor took them, which needs no display to find out.
    static bool handOverToRunningEditor (const juce::StringArray& arguments);

    // Everything of start-up after the single-instance check: managers, menus, first window.
    void startEditor (const juce::String& commandLine);

    EditorWindow* newWindow();
    void openPresetFile();
    // A preset file in a window of its own, as "Open" does after its chooser.
    void openInNewWindow (const juce::File& file);

    // A preset file was opened or saved in some window: it heads File > Open Recent.
    static void noteRecentFile (const juce::File& file);
    // The settings kept between runs; null before start-up and after shutdown.
    EditorSettings* getSettings() const { return settings.get(); }

    virtual ViewSelector* createProductImageViewSelector() = 0;
    virtual juce::String getUserGuideFileName() = 0;
    virtual juce::Image getLogoImage() = 0;
    virtual const std::uint8_t* getDefaultPresetData() = 0;
    virtual int getDefaultPresetDataSize() = 0;
    virtual void openUserGuide() = 0;
    virtual void showAboutWindow() = 0;
    virtual void showDeviceSetup() = 0;

    WindowManager* getWindowManager() const { return windowManager.get(); }
    juce::ApplicationCommandManager* getCommandManager() const { return commandManager.get(); }
    MainMenuModel* getMainMenuModel() const { return mainMenuModel.get(); }
    AboutWindow* getAboutWindow() const;
    DeviceManagerWindow* getDeviceSetupWindow() const;
    MidiMonitorWindow* getMidiMonitorWindow() const;
    // Opens the MIDI monitor, which records while it is open; nothing when it is open already.
    void showMidiMonitor();
    const juce::File& getLastDirectory() const { return lastDirectory; }
    MidiManager& getMidiManager() { return midiManager; }
    EditorZoom& getZoom() { return zoom; }

    // The framework's MIDI devices; in a build with the demo device, plus the simulated OrbMini.
    static std::unique_ptr<MidiPortLayer> createPortLayer();
    // Another port layer for the applications constructed from now on (a program that links the
    // simulated controller sets it before main runs); null returns to the one above.
    using PortLayerFactory = std::unique_ptr<MidiPortLayer> (*)();
    static void setPortLayerFactory (PortLayerFactory factory);

protected:
    // The editor window that the application's dialogs open over: the active one, else the first.
    juce::Component* getWindowForDialogs() const;

    juce::PopupMenu applicationMenuItems;
    std::uint8_t modelByte;
    juce::File lastDirectory;
    std::unique_ptr<MidiPortLayer> midiPorts { createPortLayer() };
    MidiManager midiManager { *midiPorts };
    std::unique_ptr<WindowManager> windowManager;
    std::unique_ptr<juce::ApplicationCommandManager> commandManager;
    std::unique_ptr<MainMenuModel> mainMenuModel;
    int numKnobs, numPads, numSwitches;
    std::uint8_t numKeys, octaveMaximum;
    juce::String presetWildcard;
    juce::WeakReference<AboutWindow> aboutWindow;
    juce::WeakReference<DeviceManagerWindow> deviceSetupWindow;
    juce::WeakReference<MidiMonitorWindow> midiMonitorWindow;
    // The last run's settings, read first: the zoom is set from them before the concrete class
    // decodes its pictures, so that only the set in use is decoded.
    std::unique_ptr<EditorSettings> settings { std::make_unique<EditorSettings>() };
    EditorZoom zoom { &DesktopScale::detect, settings->getZoom() };

private:
    static constexpr const char* instanceChannelName = "orbmini-editor";
    std::unique_ptr<MidiLink> midiLink;

    // The settings of the last run: ports and folders (the zoom is set at construction).
    void restoreSettings();
    void forgetSettings();
    static bool handOver (const SingleInstanceChannel& channel, const juce::String& commandLine);

    std::unique_ptr<SingleInstanceChannel> instanceChannel;
    bool askingBeforeQuit = false;
    QuitAfterWrites quitAfterWrites { [this] { quitWithoutAsking(); } };

    // Closes the application's own windows and ends the message loop.
    void quitWithoutAsking();
};
