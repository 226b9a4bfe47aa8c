#pragma once

#include "app/EditorWindow.h"
#include "app/WindowCloseListener.h"

#include <functional>

class MainMenuModel;

// Owns the editor windows: titles, places and deletes them.
class WindowManager : public WindowCloseListener
{
public:
    WindowManager (MainMenuModel* mainMenuModel, juce::ApplicationCommandManager* commandManager,
                   juce::File* lastDirectory);
    ~WindowManager() override;

    // Takes ownership of the component; an empty name makes the window untitled.
    EditorWindow* createWindow (juce::Component* component, OrbEditorEngine::Ptr engine, const juce::String& name);

    void windowClosed (juce::Component* window) override;
    void minimiseActiveWindow();
    void bringAllWindowsToFront();
    void openFileInActiveWindow (const juce::File& file);
    int getNumWindows() const { return windows.size(); }
    EditorWindow* getWindow (int index) const { return windows[index]; }
    EditorWindow* getActiveWindow() const;
    // Raises the open alerts (and other modal dialogs) above every window again.
    static void keepAlertsInFront();

    // Asks about each window with unsaved changes in turn, in the order they were opened; `done`
    // hears true once every question was answered "Don't Save" or saved, false at the first
    // "Cancel" or failed save (the later windows are not asked).
    void askToSaveAllWindows (std::function<void (bool mayQuit)> done);

    // Called after the last window has closed (where closing it should end the application).
    std::function<void()> onLastWindowClosed;

private:
    juce::OwnedArray<EditorWindow> windows;
    juce::File* lastDirectory;
    juce::ApplicationCommandManager* commandManager;
    int untitledCount = 0;
    MainMenuModel* mainMenuModel;

    JUCE_DECLARE_NON_COPYABLE (WindowManager)
};
