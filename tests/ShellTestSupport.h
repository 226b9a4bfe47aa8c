#pragma once

#include "app/FileChooserService.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>
#include <vector>

// Stands in for the person at the file chooser: answers each request with the next queued file
// (juce::File() means "cancel"), or cancels when nothing is queued. Installed while it lives.
class ScriptedFileChooser : public FileChooserService
{
public:
    ScriptedFileChooser() { FileChooserService::setCurrent (this); }
    ~ScriptedFileChooser() override { FileChooserService::setCurrent (nullptr); }

    void answerWith (const juce::File& file) { answers.push_back (file); }
    void answerCancel() { answers.push_back ({}); }

    void chooseFile (const Request& request, Callback callback) override
    {
        requests.push_back (request);
        juce::File answer;

        if (! answers.empty())
        {
            answer = answers.front();
            answers.pop_front();
        }

        callback (answer);
    }

    std::vector<Request> requests;

private:
    std::deque<juce::File> answers;
};

inline void pumpMessages (int milliseconds = 50)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

// The framework's alert boxes now on the desktop.
inline std::vector<juce::AlertWindow*> findAlerts()
{
    std::vector<juce::AlertWindow*> alerts;
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* alert = dynamic_cast<juce::AlertWindow*> (desktop.getComponent (i)))
            alerts.push_back (alert);

    return alerts;
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

// Every top-level component of the desktop of that class.
template <typename WindowClass>
std::vector<WindowClass*> findWindows()
{
    std::vector<WindowClass*> found;
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = dynamic_cast<WindowClass*> (desktop.getComponent (i)))
            found.push_back (window);

    return found;
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
    const juce::File dir (ORBMINI_TEST_OUTPUT_DIR);
    dir.createDirectory();
    const auto file = dir.getChildFile (fileName);
    file.deleteFile();

    const auto image = component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);
    return file;
}
