#include "app/EditorWindow.h"

#include "app/FileChooserService.h"
#include "app/KestrinOrbEditorApplication.h"
#include "app/PresetCompareWindow.h"
#include "app/SaveChangesAlert.h"
#include "app/SlotWritingAlert.h"
#include "views/EditorComponent.h"

#include <utility>

using Commands = KestrinOrbEditorApplication;

EditorWindow::EditorWindow (const juce::String& title, juce::Component* editorComponent, OrbEditorEngine::Ptr e,
                            juce::File* lastDir, WindowCloseListener* closeListener)
    : juce::DocumentWindow (title, juce::Colour (128, 128, 128),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false),
      engine (std::move (e)), lastDirectory (lastDir), history (engine->buildDump (0)), untitledTitle (title)
{
    // Not on the desktop yet: the window manager puts it there once, at its final size and place,
    // so that the platform's window manager never sees a half-built window.
    setUsingNativeTitleBar (true);
    setLookAndFeel (&look);
    setContentOwned (editorComponent, true);

    // The main section's buttons are dispatched here by name.
    if (auto* editor = dynamic_cast<EditorComponent*> (editorComponent))
        editor->addButtonListener (this);

    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    addCloseListener (closeListener);
    statusLine.onClick = [] {
        if (auto* app = dynamic_cast<KestrinOrbEditorApplication*> (juce::JUCEApplication::getInstance()))
            app->showDeviceSetup();
    };
    Component::addChildComponent (statusLine); // over the menu bar, not in the content
    engine->addEditListener (this);
    engine->addTransferListener (this);
    engine->getLiveEdit().addListener (this);
}

EditorWindow::~EditorWindow()
{
    // The window's gets and sends end with it; their dialogs then close themselves.
    engine->cancelTransfers();
    engine->getLiveEdit().removeListener (this);
    engine->removeTransferListener (this);
    engine->removeEditListener (this);
    engine->removeListener (this);
    clearContentComponent();
    setMenuBar (nullptr);
    setLookAndFeel (nullptr);
}

juce::String EditorWindow::getApplicationName()
{
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        return app->getApplicationName();

    return JUCE_APPLICATION_NAME_STRING;
}

void EditorWindow::resized()
{
    juce::DocumentWindow::resized();

    auto* menuBar = getMenuBarComponent();
    statusLine.setVisible (menuBar != nullptr);
    if (menuBar == nullptr)
        return;

    constexpr int statusWidth = 520; // room for two port names; the menus end well to the left
    statusLine.setBounds (menuBar->getBounds().removeFromRight (statusWidth).withTrimmedBottom (1));
    statusLine.toFront (false);
}

void EditorWindow::addCloseListener (WindowCloseListener* listener)
{
    if (listener != nullptr)
        closeListeners.addIfNotAlreadyThere (listener);
}

bool EditorWindow::keyPressed (const juce::KeyPress& key)
{
    auto* content = getContentComponent();

    if (content == nullptr || content->isParentOf (getCurrentlyFocusedComponent()))
        return false;

    if (key.getKeyCode() == juce::KeyPress::tabKey)
    {
        content->keyPressed (key);

        if (auto traverser = content->createKeyboardFocusTraverser())
        {
            const auto all = traverser->getAllComponents (content);

            if (! all.empty())
                (key.getModifiers().isShiftDown() ? all.back() : all.front())->grabKeyboardFocus();
        }

        return true;
    }

    return content->keyPressed (key);
}

void EditorWindow::closeButtonPressed()
{
    juce::Component::SafePointer<EditorWindow> self (this);

    askToSaveChanges ([self] (bool mayClose) {
        if (mayClose && self != nullptr)
            self->closeUnlessWritingSlot();
    });
}

void EditorWindow::closeUnlessWritingSlot()
{
    // A get, or a send still waiting its turn, stops without a word: the device is unchanged. Live
    // editing stops too, and only values it has still to write or check are waited for.
    const AwaitedWrites writing { ! engine->cancelTransferUnlessWriting (TransferStatus::Kind::send),
                                  ! engine->getLiveEdit().stopUnlessWriting() };
    if (! writing.send && ! writing.live)
        return tellCloseListeners();

    if (slotWritingAlert != nullptr)
        return slotWritingAlert->toFront (true);

    juce::Component::SafePointer<EditorWindow> self (this);
    const auto slotNumber = writing.send ? engine->getTransferStatus (TransferStatus::Kind::send).slotNumber
                                         : engine->getLiveEdit().getSlotNumber();

    slotWritingAlert = SlotWritingAlert::show (this, slotNumber, [self, writing] (SlotWritingAlert::Answer answer) {
        if (self == nullptr)
            return;

        if (answer == SlotWritingAlert::stopAndClose)
            return self->tellCloseListeners();

        self->awaitedWrites = writing;
        self->closeWhenWritten = true;
        self->closeOnceWritten();
    });
}

void EditorWindow::closeOnceWritten()
{
    const auto& live = engine->getLiveEdit();
    if (! closeWhenWritten || engine->isSending() || live.hasWorkLeft())
        return;

    // After a failure the window stays, its dialog or alert saying what went wrong.
    closeWhenWritten = false;
    if ((awaitedWrites.send
         && engine->getTransferStatus (TransferStatus::Kind::send).phase != TransferStatus::Phase::succeeded)
        || (awaitedWrites.live && live.hasFailed()))
        return;

    // Not from inside the engine's own call to its listeners.
    juce::Component::SafePointer<EditorWindow> self (this);
    juce::MessageManager::callAsync ([self] {
        if (self != nullptr)
            self->tellCloseListeners();
    });
}

void EditorWindow::tellCloseListeners()
{
    // A listener (the window manager) may delete this window from inside the call.
    const auto listeners = closeListeners;
    juce::Component::SafePointer<EditorWindow> self (this);

    for (int i = listeners.size(); --i >= 0 && self != nullptr;)
        listeners.getUnchecked (i)->windowClosed (this);
}

bool EditorWindow::loadFile (const juce::File& file)
{
    if (! engine->loadPresetFile (file))
    {
        fileErrorOccurred (file.getFileName());
        return false;
    }

    presetEdited ("Load File");
    history.markUnchanged();
    currentFile = file;
    fileTitle = file.getFileNameWithoutExtension();
    updateTitle();
    KestrinOrbEditorApplication::noteRecentFile (file);
    return true;
}

void EditorWindow::updateTitle()
{
    const auto title = fileTitle.isNotEmpty() ? getApplicationName() + " - " + fileTitle : untitledTitle;
    const auto& live = engine->getLiveEdit();
    setName (live.isOn() ? title + " - Live: Slot " + juce::String (live.getSlotNumber()) : title);
}

void EditorWindow::save (SaveCallback onDone)
{
    if (! currentFile.existsAsFile())
    {
        saveAs (std::move (onDone));
        return;
    }

    const auto saved = writePresetTo (currentFile);

    if (saved)
        updateTitle();

    if (onDone)
        onDone (saved);
}

void EditorWindow::saveAs (SaveCallback onDone)
{
    FileChooserService::Request request { "Select Filename to save", startingDirectory(), engine->getFileWildcard(),
                                          true };
    juce::Component::SafePointer<EditorWindow> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self, onDone] (const juce::File& chosen) {
        const auto finish = [onDone] (bool saved) {
            if (onDone)
                onDone (saved);
        };

        if (self == nullptr || chosen == juce::File())
            return finish (false);

        if (chosen.getFileExtension().isNotEmpty())
            return finish (self->saveAsFile (chosen));

        // A name typed without an extension gets the preset one, or Open and Load would not list
        // the file. The chooser only asked about replacing the typed name, so ask again here.
        const auto named =
            chosen.withFileExtension (self->engine->getFileWildcard().fromLastOccurrenceOf ("*", false, false));

        if (! named.exists())
            return finish (self->saveAsFile (named));

        juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::WarningIcon, "File already exists",
                                            "There's already a file called: " + named.getFullPathName()
                                                + "\n\nAre you sure you want to overwrite it?",
                                            "Overwrite", "Cancel", self.getComponent(),
                                            juce::ModalCallbackFunction::create ([self, named, finish] (int result) {
                                                finish (self != nullptr && result != 0 && self->saveAsFile (named));
                                            }));
    });
}

bool EditorWindow::saveAsFile (const juce::File& file)
{
    // A file that could not be written does not become the window's file.
    if (! writePresetTo (file))
        return false;

    currentFile = file;
    fileTitle = file.getFileNameWithoutExtension();

    if (lastDirectory != nullptr)
        *lastDirectory = file.getParentDirectory();

    updateTitle();
    return true;
}

void EditorWindow::loadFromFile()
{
    FileChooserService::Request request { "Select Filename to open", startingDirectory(), engine->getFileWildcard(),
                                          false };
    juce::Component::SafePointer<EditorWindow> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self] (const juce::File& chosen) {
        if (self != nullptr && chosen != juce::File())
            self->loadFile (chosen);
    });
}

bool EditorWindow::writePresetTo (const juce::File& file)
{
    if (engine->savePresetFile (file))
    {
        history.markUnchanged();
        KestrinOrbEditorApplication::noteRecentFile (file);
        return true;
    }

    showFileError (FileErrorAlertWindow::savingFailed (file.getFileName()));
    return false;
}

juce::File EditorWindow::startingDirectory() const
{
    return lastDirectory != nullptr ? *lastDirectory : juce::File();
}

void EditorWindow::showGetDialog()
{
    if (getDialog == nullptr)
        getDialog = new GetPresetWindow (engine, this);
}

void EditorWindow::showSendDialog()
{
    if (sendDialog == nullptr)
        sendDialog = new SendPresetWindow (engine, this);
}

void EditorWindow::showFileError (const juce::String& message)
{
    if (fileErrorAlert == nullptr)
        fileErrorAlert = new FileErrorAlertWindow (message, this);
}

juce::ApplicationCommandTarget* EditorWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void EditorWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({ Commands::saveCommand, Commands::saveAsCommand, Commands::getPresetCommand,
                         Commands::sendPresetCommand, Commands::closeWindowCommand, Commands::setInternalSyncCommand,
                         Commands::setExternalSyncCommand, Commands::undoCommand, Commands::redoCommand,
                         Commands::compareWithFileCommand, Commands::compareWithHardwareSlotCommand,
                         Commands::liveEditCommand });
}

void EditorWindow::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    auto describe = [&result] (const juce::String& name, int key = 0) {
        result.setInfo (name, {}, "General", 0);
        result.setActive (true);
        result.setTicked (false);

        if (key != 0)
            result.addDefaultKeypress (key, juce::ModifierKeys::commandModifier);
    };

    switch (commandID)
    {
        case Commands::saveCommand: describe ("Save", 's'); break;
        case Commands::saveAsCommand: describe ("Save As"); break;
        case Commands::getPresetCommand: describe ("Get Preset"); break;
        case Commands::sendPresetCommand: describe ("Send Preset"); break;
        case Commands::closeWindowCommand: describe ("Close Window", 'w'); break;
        case Commands::setInternalSyncCommand: describe ("Set Internal Sync"); break;
        case Commands::setExternalSyncCommand: describe ("Set External Sync"); break;
        case Commands::undoCommand:
            describe (juce::String ("Undo " + history.getUndoName()).trimEnd(), 'z');
            result.setActive (history.canUndo());
            break;
        case Commands::redoCommand:
            describe (juce::String ("Redo " + history.getRedoName()).trimEnd());
            result.addDefaultKeypress ('z', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier);
            result.addDefaultKeypress ('y', juce::ModifierKeys::commandModifier);
            result.setActive (history.canRedo());
            break;
        case Commands::compareWithFileCommand:
            describe (juce::String (juce::CharPointer_UTF8 ("Compare With File\xe2\x80\xa6")));
            break;
        case Commands::compareWithHardwareSlotCommand:
            describe (juce::String (juce::CharPointer_UTF8 ("Compare With Hardware Slot\xe2\x80\xa6")));
            break;
        case Commands::liveEditCommand:
        {
            // "Live Edit Slot 3" goes straight to that slot; without one it asks.
            const auto& live = engine->getLiveEdit();
            const auto slot = live.isOn() ? live.getSlotNumber() : live.getLinkedSlotNumber();
            describe (slot > 0 ? "Live Edit Slot " + juce::String (slot)
                               : juce::String (juce::CharPointer_UTF8 ("Live Edit Slot\xe2\x80\xa6")));
            result.setTicked (live.isOn());
            result.setActive (live.isOn() || (! engine->isGetting() && ! engine->isSending() && ! live.hasWorkLeft()));
            break;
        }
        default: break;
    }
}

bool EditorWindow::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case Commands::saveCommand: save(); break;
        case Commands::saveAsCommand: saveAs(); break;
        case Commands::getPresetCommand: showGetDialog(); break;
        case Commands::sendPresetCommand: showSendDialog(); break;
        case Commands::closeWindowCommand: userTriedToCloseWindow(); break;
        case Commands::setInternalSyncCommand: engine->setSyncMode (false); break;
        case Commands::setExternalSyncCommand: engine->setSyncMode (true); break;
        case Commands::undoCommand: undo(); break;
        case Commands::redoCommand: redo(); break;
        case Commands::compareWithFileCommand: compareWithFile(); break;
        case Commands::compareWithHardwareSlotCommand: compareWithHardwareSlot(); break;
        case Commands::liveEditCommand: toggleLiveEdit(); break;
        default: break;
    }

    return true;
}

void EditorWindow::midiErrorOccurred (const juce::String&)
{
    if (midiErrorAlert == nullptr)
        midiErrorAlert = new MidiErrorAlertWindow (this);
}

void EditorWindow::fileErrorOccurred (const juce::String& fileName)
{
    showFileError (FileErrorAlertWindow::openingFailed (fileName));
}

void EditorWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == "Send To Hardware")
        showSendDialog();
    else if (name == "Get From Hardware")
        showGetDialog();
    else if (name == "Save To File")
        saveAs();
    else if (name == "Load From File")
        loadFromFile();
}

//==============================================================================
juce::String EditorWindow::getPresetName() const
{
    if (fileTitle.isNotEmpty())
        return fileTitle;

    return untitledTitle.fromFirstOccurrenceOf (getApplicationName() + " - ", false, false);
}

void EditorWindow::askToSaveChanges (std::function<void (bool mayClose)> done)
{
    if (! hasUnsavedChanges())
        return done (true);

    // Already asking: the question on screen decides; this request is dropped as if cancelled.
    if (saveChangesAlert != nullptr)
    {
        saveChangesAlert->toFront (true);
        return done (false);
    }

    juce::Component::SafePointer<EditorWindow> self (this);

    saveChangesAlert = SaveChangesAlert::show (*this, getPresetName(), [self, done] (SaveChangesAlert::Answer answer) {
        if (self == nullptr || answer == SaveChangesAlert::cancel)
            return done (false);

        if (answer == SaveChangesAlert::dontSave)
            return done (true);

        self->save ([done] (bool saved) { done (saved); });
    });
}

void EditorWindow::presetEdited (const juce::String& stepName)
{
    history.record (stepName, engine->buildDump (0));
}

void EditorWindow::transferChanged (const TransferStatus& status)
{
    using Phase = TransferStatus::Phase;

    if (status.kind == TransferStatus::Kind::get)
    {
        if (status.phase == Phase::succeeded)
        {
            presetEdited ("Get Preset");
            history.markUnchanged();
        }

        return;
    }

    // The device receives the preset as it was when the send began.
    if (status.isRunning())
    {
        if (sendingState.isEmpty())
            sendingState = engine->buildDump (0);
        return;
    }

    if (status.phase == Phase::succeeded && ! sendingState.isEmpty())
        history.markUnchanged (sendingState);

    sendingState.clear();
    closeOnceWritten();
}

void EditorWindow::undo()
{
    if (history.canUndo())
        showHistoryState (history.undo());
}

void EditorWindow::redo()
{
    if (history.canRedo())
        showHistoryState (history.redo());
}

void EditorWindow::showHistoryState (const PresetHistory::State& state)
{
    // A whole-preset change: every group tells its widgets, as after a load.
    engine->applyDump (state);
}

//==============================================================================
void EditorWindow::compareWithFile()
{
    FileChooserService::Request request { "Select Filename to compare with", startingDirectory(),
                                          engine->getFileWildcard(), false };
    juce::Component::SafePointer<EditorWindow> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self] (const juce::File& chosen) {
        if (self == nullptr || chosen == juce::File())
            return;

        auto other = OrbEditorEngine::createForOrbMini (self->engine->getMidiManager());

        if (other->loadPresetFile (chosen))
            self->showComparison (*other, chosen.getFileName());
        else
            self->fileErrorOccurred (chosen.getFileName());
    });
}

void EditorWindow::compareWithHardwareSlot()
{
    if (compareSlotDialog != nullptr)
        return;

    juce::Component::SafePointer<EditorWindow> self (this);

    compareSlotDialog = new CompareSlotWindow (
        OrbEditorEngine::createForOrbMini (engine->getMidiManager()),
        [self] (const OrbEditorEngine& got, int slotNumber) {
            if (self != nullptr)
                self->showComparison (got, "Slot " + juce::String (slotNumber));
        },
        this);
}

//==============================================================================
void EditorWindow::toggleLiveEdit()
{
    auto& live = engine->getLiveEdit();

    if (live.isOn())
        return live.stop();

    if (const auto slot = live.getLinkedSlotNumber(); slot > 0)
        live.start ((std::uint8_t) (slot - 1));
    else if (liveEditDialog == nullptr)
        liveEditDialog = new LiveEditSlotWindow (engine, this);
}

void EditorWindow::liveEditChanged()
{
    updateTitle();
    statusLine.setNote (engine->getLiveEdit().getStatusText());
    closeOnceWritten();
}

void EditorWindow::showComparison (const OrbEditorEngine& other, const juce::String& otherTitle)
{
    new PresetCompareWindow ("Compare " + getPresetName() + " With " + otherTitle,
                             PresetCompareComponent::compare (*engine, other), otherTitle, this);
}
