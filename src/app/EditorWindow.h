#pragma once

#include "app/FileErrorAlertWindow.h"
#include "app/GetPresetWindow.h"
#include "app/MidiErrorAlertWindow.h"
#include "app/SendPresetWindow.h"
#include "app/WindowCloseListener.h"
#include "midi/OrbEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The document window: one preset, its engine and the editor component that shows it.
class EditorWindow : public juce::DocumentWindow,
                     public juce::ApplicationCommandTarget,
                     public juce::Button::Listener,
                     public OrbEditorEngine::Listener
{
public:
    EditorWindow (const juce::String& title, juce::Component* editorComponent, OrbEditorEngine::Ptr engine,
                  juce::File* lastDirectory, WindowCloseListener* closeListener);
    ~EditorWindow() override;

    void addCloseListener (WindowCloseListener* listener);
    void closeButtonPressed() override;

    // Loads a preset file into this window's engine; on success the window takes the file's name.
    bool loadFile (const juce::File& file);
    void updateTitle();

    // Writes to the current file, or asks for one when the window has none.
    void save();
    // Always asks for a file; a confirmed file becomes the current file if it could be written.
    void saveAs();
    // Asks for a preset file and loads it.
    void loadFromFile();
    // Open the transfer dialogs; a request while the dialog of that kind is open is ignored.
    void showGetDialog();
    void showSendDialog();

    OrbEditorEngine::Ptr getEngine() const { return engine; }
    const juce::File& getCurrentFile() const { return currentFile; }
    GetPresetWindow* getGetDialog() const { return getDialog.get(); }
    SendPresetWindow* getSendDialog() const { return sendDialog.get(); }
    MidiErrorAlertWindow* getMidiErrorAlert() const { return midiErrorAlert.get(); }
    FileErrorAlertWindow* getFileErrorAlert() const { return fileErrorAlert.get(); }

    // juce::ApplicationCommandTarget
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    bool perform (const InvocationInfo& info) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;

    // OrbEditorEngine::Listener
    void midiErrorOccurred (const juce::String& message) override;
    void fileErrorOccurred (const juce::String& fileName) override;

    // juce::Button::Listener: the main section's buttons, told apart by name.
    void buttonClicked (juce::Button* button) override;

    static juce::String getApplicationName();

private:
    OrbEditorEngine::Ptr engine;
    juce::File* lastDirectory;
    juce::Array<WindowCloseListener*> closeListeners;
    juce::String fileTitle;
    juce::File currentFile;
    juce::WeakReference<SendPresetWindow> sendDialog;
    juce::WeakReference<GetPresetWindow> getDialog;
    juce::WeakReference<MidiErrorAlertWindow> midiErrorAlert;
    juce::WeakReference<FileErrorAlertWindow> fileErrorAlert;

    bool writePresetTo (const juce::File& file);
    void saveAsFile (const juce::File& file);
    void showFileError (const juce::String& message);
    juce::File startingDirectory() const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorWindow)
};
