#pragma once

#include "app/CompareSlotWindow.h"
#include "app/FileErrorAlertWindow.h"
#include "app/GetPresetWindow.h"
#include "app/LiveEditSlotWindow.h"
#include "app/MidiErrorAlertWindow.h"
#include "app/MidiStatusLine.h"
#include "app/SendPresetWindow.h"
#include "app/WindowCloseListener.h"
#include "midi/LiveEditSession.h"
#include "midi/OrbEditorEngine.h"
#include "model/PresetHistory.h"
#include "widgets/CustomLook.h"

#include <functional>

#include <juce_gui_basics/juce_gui_basics.h>

// The document window: one preset, its engine and the editor component that shows it.
class EditorWindow : public juce::DocumentWindow,
                     public juce::ApplicationCommandTarget,
                     public juce::Button::Listener,
                     public OrbEditorEngine::Listener,
                     private OrbEditorEngine::EditListener,
                     private OrbEditorEngine::TransferListener,
                     private LiveEditSession::Listener
{
public:
    EditorWindow (const juce::String& title, juce::Component* editorComponent, OrbEditorEngine::Ptr engine,
                  juce::File* lastDirectory, WindowCloseListener* closeListener);
    ~EditorWindow() override;

    void addCloseListener (WindowCloseListener* listener);
    // With the focus on the window itself: Tab and shift+Tab enter the editor at its first or last
    // widget, and the editor's own keys (ctrl+1 to ctrl+9) work too.
    bool keyPressed (const juce::KeyPress& key) override;
    void closeButtonPressed() override;
    // Keeps the status line at the right of the menu bar, where the window has one.
    void resized() override;

    // Loads a preset file into this window's engine; on success the window takes the file's name.
    bool loadFile (const juce::File& file);
    void updateTitle();

    // Told whether the preset was written (false when the user cancelled the chooser or the write
    // failed); it may be called before save or saveAs returns.
    using SaveCallback = std::function<void (bool saved)>;
    // Writes to the current file, or asks for one when the window has none.
    void save (SaveCallback onDone = {});
    // Always asks for a file; a confirmed file becomes the current file if it could be written.
    void saveAs (SaveCallback onDone = {});
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

    // Unsaved changes: whether the preset differs from the one last loaded, saved, got or sent.
    bool hasUnsavedChanges() const { return history.isChanged(); }
    // With unsaved changes, asks whether to save them first ("Save" runs the save flow); `done`
    // hears whether the window may now close. Without changes `done` is called at once.
    void askToSaveChanges (std::function<void (bool mayClose)> done);
    juce::AlertWindow* getSaveChangesAlert() const { return saveChangesAlert.getComponent(); }
    // The question asked when closing would cut short a send that is writing a slot.
    juce::AlertWindow* getSlotWritingAlert() const { return slotWritingAlert.getComponent(); }
    // The name the user knows the preset by: its file's name, or "Untitled 2".
    juce::String getPresetName() const;
    const MidiStatusLine& getStatusLine() const { return statusLine; }

    // Undo and redo of edits and whole-preset changes; every widget then shows the stored values.
    void undo();
    void redo();
    const PresetHistory& getHistory() const { return history; }

    // Compare: asks for a preset file, or a hardware slot that is got into a scratch engine, and
    // opens a window listing what differs from this window's preset.
    void compareWithFile();
    void compareWithHardwareSlot();
    CompareSlotWindow* getCompareSlotDialog() const { return compareSlotDialog.get(); }

    // Live editing: turns it off, or on for the slot last got from or sent to; without one, asks
    // for the slot in a small dialog.
    void toggleLiveEdit();
    LiveEditSlotWindow* getLiveEditDialog() const { return liveEditDialog.get(); }

private:
    CustomLook look; // of the menu bar and its menus; the editor component has its own
    OrbEditorEngine::Ptr engine;
    MidiStatusLine statusLine { engine->getMidiManager() };
    juce::File* lastDirectory;
    juce::Array<WindowCloseListener*> closeListeners;
    juce::String fileTitle;
    juce::File currentFile;
    juce::WeakReference<SendPresetWindow> sendDialog;
    juce::WeakReference<GetPresetWindow> getDialog;
    juce::WeakReference<MidiErrorAlertWindow> midiErrorAlert;
    juce::WeakReference<FileErrorAlertWindow> fileErrorAlert;

    PresetHistory history;
    juce::Component::SafePointer<juce::AlertWindow> saveChangesAlert;
    PresetHistory::State sendingState; // what the running send writes to the device
    juce::Component::SafePointer<juce::AlertWindow> slotWritingAlert;
    // "Wait": the window closes once what it waits for has been written, unless that failed.
    bool closeWhenWritten = false;
    struct AwaitedWrites
    {
        bool send = false, live = false;
    } awaitedWrites;
    juce::WeakReference<CompareSlotWindow> compareSlotDialog;
    juce::WeakReference<LiveEditSlotWindow> liveEditDialog;
    const juce::String untitledTitle; // the title given by the window manager

    void showComparison (const OrbEditorEngine& other, const juce::String& otherTitle);

    bool writePresetTo (const juce::File& file);
    bool saveAsFile (const juce::File& file);
    void tellCloseListeners();
    void closeUnlessWritingSlot();
    void closeOnceWritten();
    void showHistoryState (const PresetHistory::State& state);

    // OrbEditorEngine::EditListener (also the whole-preset changes: a get, a file load),
    // OrbEditorEngine::TransferListener
    void presetEdited (const juce::String& stepName) override;
    void transferChanged (const TransferStatus& status) override;
    // LiveEditSession::Listener: the title ends with " - Live: Slot 3" while live, and the status
    // line says how live editing goes, or why it ended.
    void liveEditChanged() override;
    void showFileError (const juce::String& message);
    juce::File startingDirectory() const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorWindow)
};
