#include "app/EditorWindow.h"

EditorWindow::EditorWindow (const juce::String& title, juce::Component* editorComponent, OrbEditorEngine::Ptr e,
                            juce::File* lastDir, WindowCloseListener* closeListener)
    : juce::DocumentWindow (title, juce::Colour (128, 128, 128),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton),
      engine (std::move (e)), lastDirectory (lastDir)
{
    setUsingNativeTitleBar (true);
    setContentOwned (editorComponent, true);
    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    addCloseListener (closeListener);
}

EditorWindow::~EditorWindow()
{
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

juce::ApplicationCommandTarget* EditorWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

bool EditorWindow::perform (const InvocationInfo&)
{
    return true;
}

void EditorWindow::getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) {}

void EditorWindow::getAllCommands (juce::Array<juce::CommandID>&) {}

void EditorWindow::midiErrorOccurred (const juce::String&) {}

void EditorWindow::fileErrorOccurred (const juce::String&) {}

void EditorWindow::buttonClicked (juce::Button*) {}
