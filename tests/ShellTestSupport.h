#pragma once

#include "PresetTestSupport.h"
#include "TestOutput.h"
#include "WindowTestSupport.h"

#include "app/FileChooserService.h"
#include "app/WindowManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <tuple>
#include <vector>

// Stands in for the person at the file chooser: answers each request with the next queued file
// (juce::File() means "cancel"), or cancels when nothing is queued. Installed while it lives.
class ScriptedFileChooser : public FileChooserService
{
public:
    ScriptedFileChooser() { FileChooserService::setCurrent (this); }
    ~ScriptedFileChooser() override { FileChooserService::setCurrent (nullptr); }

    void answerWith (const juce::File& file) { answers.push_back (file); }
    // The next request for several files is answered with these.
    void answerWithFiles (const juce::Array<juce::File>& files) { multipleAnswers.push_back (files); }

    void chooseFiles (const Request& request, MultipleCallback callback) override
    {
        if (multipleAnswers.empty())
            return FileChooserService::chooseFiles (request, std::move (callback));

        requests.push_back (request);
        const auto answer = multipleAnswers.front();
        multipleAnswers.pop_front();
        callback (answer);
    }

    void chooseFile (const Request& request, Callback callback) override
    {
        requests.push_back (request);
        const auto answer = answers.empty() ? juce::File() : answers.front();

        if (! answers.empty())
            answers.pop_front();

        callback (answer);
    }

    std::vector<Request> requests;

private:
    std::deque<juce::File> answers;
    std::deque<juce::Array<juce::File>> multipleAnswers;
};

inline void pumpMessages (int milliseconds = 50)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
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

// Writes a component's picture where the tests put their output, for a person to look at.
inline juce::File renderToPng (juce::Component& component, const juce::String& fileName)
{
    return writePng (component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f), fileName);
}

// An engine and a window manager as the application holds them.
struct WindowFixture : EngineFixture
{
    juce::File lastDirectory;
    WindowManager manager { nullptr, nullptr, &lastDirectory };

    // A window over a blank canvas of the editor's size.
    EditorWindow* openWindow (OrbEditorEngine::Ptr windowEngine, const juce::String& name = {})
    {
        auto* canvas = new juce::Component();
        canvas->setSize (1200, 700);
        return manager.createWindow (canvas, windowEngine, name);
    }
};

// The target offers these commands in this order, followed by `added` more, all enabled and in
// "General", ticked only those of tickedIDs. Each row is a command as the menus show it: its id, its
// name and its key with the command modifier (0: none).
inline void expectCommands (juce::ApplicationCommandTarget& target, const std::vector<std::tuple<int, juce::String, int>>& table,
                            const std::vector<int>& tickedIDs = {}, int added = 0)
{
    juce::Array<juce::CommandID> commands;
    target.getAllCommands (commands);
    ASSERT_EQ (commands.size(), (int) table.size() + added);

    for (size_t i = 0; i < table.size(); ++i)
    {
        const auto& [id, name, key] = table[i];
        SCOPED_TRACE (juce::String::toHexString (id).toStdString());
        EXPECT_EQ (commands[(int) i], id);
        juce::ApplicationCommandInfo info (id);
        target.getCommandInfo (id, info);
        EXPECT_EQ (info.shortName, name);
        EXPECT_EQ (info.categoryName, "General");
        EXPECT_TRUE (info.description.isEmpty());
        EXPECT_EQ ((info.flags & juce::ApplicationCommandInfo::isDisabled), 0);
        EXPECT_EQ ((info.flags & juce::ApplicationCommandInfo::isTicked) != 0,
                   std::find (tickedIDs.begin(), tickedIDs.end(), id) != tickedIDs.end());
        const auto keys = key == 0 ? juce::Array<juce::KeyPress>()
                                   : juce::Array<juce::KeyPress> (juce::KeyPress (key, juce::ModifierKeys::commandModifier, 0));
        EXPECT_EQ (info.defaultKeypresses, keys);
    }
}
