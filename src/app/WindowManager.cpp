#include "app/WindowManager.h"

#include "app/MainMenuModel.h"
#include "app/WindowStacking.h"
#include "views/ArtworkImages.h"

#include <memory>

namespace
{
using PendingWindows = juce::Array<juce::Component::SafePointer<EditorWindow>>;

void askInTurn (std::shared_ptr<PendingWindows> pending, std::function<void (bool)> done)
{
    // A window closed meanwhile has nothing left to ask.
    while (! pending->isEmpty() && pending->getFirst() == nullptr)
        pending->remove (0);

    if (pending->isEmpty())
        return done (true);

    auto* window = pending->removeAndReturn (0).getComponent();

    window->askToSaveChanges ([pending, done] (bool mayClose) {
        if (mayClose)
            askInTurn (pending, done);
        else
            done (false);
    });
}
} // namespace

WindowManager::WindowManager (MainMenuModel* menuModel, juce::ApplicationCommandManager* commands, juce::File* lastDir)
    : lastDirectory (lastDir), commandManager (commands), mainMenuModel (menuModel)
{}

WindowManager::~WindowManager()
{
    windows.clear();
}

EditorWindow* WindowManager::createWindow (juce::Component* component, OrbEditorEngine::Ptr engine,
                                           const juce::String& name)
{
    juce::String title;

    if (name.isEmpty())
        title = EditorWindow::getApplicationName() + " - Untitled " + juce::String (++untitledCount);
    else
        title = EditorWindow::getApplicationName() + " - " + name;

    auto* window = new EditorWindow (title, component, engine, lastDirectory, this);
    engine->addListener (window);

#if ! JUCE_MAC
    // No global menu bar here: every window shows the menus itself, above the editor.
    if (mainMenuModel != nullptr)
    {
        const auto width = component->getWidth(), height = component->getHeight();
        window->setMenuBar (mainMenuModel);
        window->setContentComponentSize (width, height);
    }
#endif

    const int n = windows.size();
    window->setTopLeftPosition (15 + 15 * n, 60 + 15 * n);

    // One native window, created at its final size and place and then shown: a window that is
    // recreated or resized after the platform's window manager has seen it may come up at a size
    // or place it no longer has. Its first paint finds the pictures it shows decoded.
    ArtworkImages::decodePicturesShownIn (*window);
    window->addToDesktop();
    window->setVisible (true);
    keepAlertsInFront();

    if (commandManager != nullptr)
    {
        commandManager->registerAllCommandsForTarget (window);
        window->addKeyListener (commandManager->getKeyMappings());
    }

    windows.add (window);
    return window;
}

void WindowManager::windowClosed (juce::Component* component)
{
    auto* window = dynamic_cast<EditorWindow*> (component);

    if (window == nullptr || ! windows.contains (window))
        return;

    windows.removeObject (window);

    if (windows.isEmpty() && onLastWindowClosed)
        onLastWindowClosed();
}

EditorWindow* WindowManager::getActiveWindow() const
{
    for (auto* window : windows)
        if (window->isActiveWindow())
            return window;

    return nullptr;
}

void WindowManager::minimiseActiveWindow()
{
    if (auto* window = getActiveWindow())
        window->setMinimised (true);
}

void WindowManager::bringAllWindowsToFront()
{
    for (auto* window : windows)
    {
        window->setMinimised (false);
        window->toFront (true);
    }

    keepAlertsInFront();
}

void WindowManager::keepAlertsInFront()
{
    // An alert takes all the editor's input until it is dismissed: a window raised above it would
    // hide the one thing that answers the keyboard and the mouse.
    auto& modal = *juce::ModalComponentManager::getInstance();

    if (modal.getNumModalComponents() == 0)
        return;

    modal.bringModalComponentsToFront();

    // The most recent alert ends on top.
    for (int i = modal.getNumModalComponents(); --i >= 0;)
        if (auto* alert = modal.getModalComponent (i))
            WindowStacking::raise (*alert);
}

void WindowManager::openFileInActiveWindow (const juce::File& file)
{
    if (auto* window = getActiveWindow())
        window->loadFile (file);
}

void WindowManager::askToSaveAllWindows (std::function<void (bool mayQuit)> done)
{
    auto pending = std::make_shared<PendingWindows>();

    for (auto* window : windows)
        if (window->hasUnsavedChanges())
            pending->add (window);

    askInTurn (pending, std::move (done));
}
