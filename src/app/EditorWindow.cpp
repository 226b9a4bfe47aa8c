#include "app/EditorWindow.h"

#include "app/FileChooserService.h"
#include "app/KestrinOrbEditorApplication.h"
#include "views/EditorComponent.h"

using Commands = KestrinOrbEditorApplication;

EditorWindow::EditorWindow (const juce::String& title, juce::Component* editorComponent, OrbEditorEngine::Ptr e,
                            juce::File* lastDir, WindowCloseListener* closeListener)
    : juce::DocumentWindow (title, juce::Colour (128, 128, 128),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                            false),
      engine (std::move (e)), lastDirectory (lastDir)
{
    // Not on the desktop yet: the window manager puts it there once, at its final size and place,
    // so that the platform's window manager never sees a half-built window.
    setUsingNativeTitleBar (true);
    setContentOwned (editorComponent, true);

    // The main section's buttons are dispatched here by name.
    if (auto* editor = dynamic_cast<EditorComponent*> (editorComponent))
        editor->addButtonListener (this);

    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    addCloseListener (closeListener);
}

EditorWindow::~EditorWindow()
{
    // The window's gets and sends end with it; their dialogs then close themselves.
    engine->cancelTransfers();
    engine->removeListener (this);
    clearContentComponent();
}

juce::String EditorWindow::getApplicationName()
{
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        return app->getApplicationName();

    return JUCE_APPLICATION_NAME_STRING;
}

void EditorWindow::addCloseListener (WindowCloseListener* listener)
{
    if (listener != nullptr)
        closeListeners.addIfNotAlreadyThere (listener);
}

void EditorWindow::closeButtonPressed()
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

    currentFile = file;
    fileTitle = file.getFileNameWithoutExtension();
    updateTitle();
    return true;
}

void EditorWindow::updateTitle()
{
    setName (getApplicationName() + " - " + fileTitle);
}

void EditorWindow::save()
{
    if (! currentFile.existsAsFile())
    {
        saveAs();
        return;
    }

    if (writePresetTo (currentFile))
        updateTitle();
}

void EditorWindow::saveAs()
{
    FileChooserService::Request request { "Select Filename to save", startingDirectory(),
                                          engine->getFileWildcard(), true };
    juce::Component::SafePointer<EditorWindow> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self] (const juce::File& chosen)
    {
        if (self == nullptr || chosen == juce::File())
            return;

        if (chosen.getFileExtension().isNotEmpty())
        {
            self->saveAsFile (chosen);
            return;
        }

        // A name typed without an extension gets the preset one, or Open and Load would not list
        // the file. The chooser only asked about replacing the typed name, so ask again here.
        const auto named = chosen.withFileExtension (self->engine->getFileWildcard().fromLastOccurrenceOf ("*", false, false));

        if (! named.exists())
        {
            self->saveAsFile (named);
            return;
        }

        juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::WarningIcon, "File already exists",
                                            "There's already a file called: " + named.getFullPathName()
                                                + "\n\nAre you sure you want to overwrite it?",
                                            "Overwrite", "Cancel", self.getComponent(),
                                            juce::ModalCallbackFunction::create ([self, named] (int result)
                                            {
                                                if (self != nullptr && result != 0)
                                                    self->saveAsFile (named);
                                            }));
    });
}

void EditorWindow::saveAsFile (const juce::File& file)
{
    // A file that could not be written does not become the window's file.
    if (! writePresetTo (file))
        return;

    currentFile = file;
    fileTitle = file.getFileNameWithoutExtension();

    if (lastDirectory != nullptr)
        *lastDirectory = file.getParentDirectory();

    updateTitle();
}

void EditorWindow::loadFromFile()
{
    FileChooserService::Request request { "Select Filename to open", startingDirectory(),
                                          engine->getFileWildcard(), false };
    juce::Component::SafePointer<EditorWindow> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self] (const juce::File& chosen)
    {
        if (self != nullptr && chosen != juce::File())
            self->loadFile (chosen);
    });
}

bool EditorWindow::writePresetTo (const juce::File& file)
{
    if (engine->savePresetFile (file))
        return true;

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
        getDialog = new GetPresetWindow (engine);
}

void EditorWindow::showSendDialog()
{
    if (sendDialog == nullptr)
        sendDialog = new SendPresetWindow (engine);
}

void EditorWindow::showFileError (const juce::String& message)
{
    if (fileErrorAlert == nullptr)
        fileErrorAlert = new FileErrorAlertWindow (message);
}

juce::ApplicationCommandTarget* EditorWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void EditorWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({ Commands::saveCommand, Commands::saveAsCommand, Commands::getPresetCommand,
                         Commands::sendPresetCommand, Commands::closeWindowCommand,
                         Commands::setInternalSyncCommand, Commands::setExternalSyncCommand });
}

void EditorWindow::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    auto describe = [&result] (const juce::String& name, int key = 0)
    {
        result.setInfo (name, {}, "General", 0);
        result.setActive (true);
        result.setTicked (false);

        if (key != 0)
            result.addDefaultKeypress (key, juce::ModifierKeys::commandModifier);
    };

    switch (commandID)
    {
        case Commands::saveCommand:            describe ("Save", 's'); break;
        case Commands::saveAsCommand:          describe ("Save As"); break;
        case Commands::getPresetCommand:       describe ("Get Preset"); break;
        case Commands::sendPresetCommand:      describe ("Send Preset"); break;
        case Commands::closeWindowCommand:     describe ("Close Window", 'w'); break;
        case Commands::setInternalSyncCommand: describe ("Set Internal Sync"); break;
        case Commands::setExternalSyncCommand: describe ("Set External Sync"); break;
        default: break;
    }
}

bool EditorWindow::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case Commands::saveCommand:            save(); break;
        case Commands::saveAsCommand:          saveAs(); break;
        case Commands::getPresetCommand:       showGetDialog(); break;
        case Commands::sendPresetCommand:      showSendDialog(); break;
        case Commands::closeWindowCommand:     userTriedToCloseWindow(); break;
        case Commands::setInternalSyncCommand: engine->setSyncMode (false); break;
        case Commands::setExternalSyncCommand: engine->setSyncMode (true); break;
        default: break;
    }

    return true;
}

void EditorWindow::midiErrorOccurred (const juce::String&)
{
    if (midiErrorAlert == nullptr)
        midiErrorAlert = new MidiErrorAlertWindow();
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
