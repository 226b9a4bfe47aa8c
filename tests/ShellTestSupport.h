#pragma once

#include "PresetTestSupport.h"
#include "TestOutput.h"
#include "WindowTestSupport.h"

#include "app/FileChooserService.h"
#include "app/WindowManager.h"
#include "views/EditorComponent.h"
#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

// Stands in for the person at the file chooser: answers each request with the next queued file
// (juce::File() means "cancel"), or cancels when nothing is queued; a choice of several gets that
// one file. Installed while it lives.
class ScriptedFileChooser : public FileChooserService
{
public:
    ScriptedFileChooser() { FileChooserService::setCurrent (this); }
    ~ScriptedFileChooser() override { FileChooserService::setCurrent (nullptr); }

    void answerWith (const juce::File& file) { answers.push_back (file); }

    std::vector<Request> requests;

protected:
    void showChooser (const Request& request, Callback callback) override
    {
        requests.push_back (request);
        const auto answer = answers.empty() ? juce::File() : answers.front();
        if (! answers.empty())
            answers.pop_front();
        callback (answer);
    }

private:
    std::deque<juce::File> answers;
};

inline void pumpMessages (int milliseconds = 50)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

// Clicks the button as the user does and lets what the click started run.
inline void clickAndWait (juce::Button& button)
{
    button.triggerClick();
    pumpMessages (20);
}

// Presses a key as the user does with the keyboard focus on `focus`: the key goes to the focused
// component first, then up to its window, as the desktop delivers it.
inline void pressKeyAndWait (juce::Component& focus, int keyCode)
{
    focus.grabKeyboardFocus();
    if (auto* peer = focus.getPeer())
        peer->handleKeyPress (juce::KeyPress (keyCode));
    pumpMessages (20);
}

// The close button of the window's title bar, as the window manager reports it.
inline void closeByTitleBar (juce::Component& window)
{
    if (auto* peer = window.getPeer())
        peer->handleUserClosingWindow();
    pumpMessages (20);
}

// The framework's alert boxes now on the desktop.
inline std::vector<juce::AlertWindow*> findAlerts()
{
    return findWindows<juce::AlertWindow>();
}

// An alert box's description is its title, ". " and its message.
inline juce::String describe (juce::AlertWindow* alert)
{
    return alert != nullptr ? alert->getDescription() : juce::String();
}

// What the alert boxes now on the desktop say, each as describe() gives it, joined by " | ".
inline juce::String shownAlerts()
{
    juce::StringArray texts;
    for (auto* alert : findAlerts())
        texts.add (describe (alert));
    return texts.joinIntoString (" | ");
}

// Dismisses every alert box as "OK" would, and lets the modal manager delete their callbacks.
inline void dismissAlerts()
{
    for (auto* alert : findAlerts())
        alert->exitModalState (0);

    pumpMessages();
}

// Closes the transfer dialogs and alert boxes a test left open.
inline void closeDialogsAndAlerts()
{
    for (auto* dialog : findWindows<GetPresetWindow>())
        delete dialog;
    for (auto* dialog : findWindows<SendPresetWindow>())
        delete dialog;
    dismissAlerts();
}

// A real click through the window system's event path: press and release at a point of the
// component (in its own coordinates).
inline void clickOn (juce::Component& component, juce::Point<int> position)
{
    auto* peer = component.getPeer();

    if (peer == nullptr)
        return;

    const auto where = peer->getComponent().getLocalPoint (&component, position).toFloat();
    const auto time = juce::Time::currentTimeMillis();
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, where,
                            juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                            juce::MouseInputSource::defaultPressure, 0.0f, time);
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, where, juce::ModifierKeys(),
                            juce::MouseInputSource::defaultPressure, 0.0f, time + 50);
}

// An engine and a window manager as the application holds them.
struct WindowFixture : EngineFixture
{
    juce::File lastDirectory;
    WindowManager manager { nullptr, nullptr, &lastDirectory };

    // A window over a blank canvas of the editor's size.
    EditorWindow* openWindow (OrbEditorEngine::Ptr windowEngine, const juce::String& name = {})
    {
        return manager.createWindow (newCanvas(), windowEngine, name);
    }
};

// The editor's views and selectors as the application builds them for the 25-key model.
inline EditorComponent* newEditorComponent (OrbEditorEngine::Ptr engine)
{
    return new EditorComponent (new TabSelectorButtons(), new OrbMiniProductProductImageViewSelector(), engine, 8, 16,
                                24);
}
