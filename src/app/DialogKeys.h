#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Return and escape for a dialog window: Return runs the dialog's action, escape its Cancel (or
// close), wherever the focus is inside the dialog. A focused button keeps Return for itself, as
// on any desktop, and lists take Return only through this. Either handler may delete the dialog.
class DialogKeys : private juce::KeyListener
{
public:
    using Handler = std::function<void()>;

    DialogKeys (Handler onReturn, Handler onEscape);
    ~DialogKeys() override;

    // Listens on the window and on every descendant that is not a button; call once the
    // window's content is in place.
    void attachTo (juce::Component& window);

private:
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override;
    void listenOn (juce::Component& component);

    const Handler onReturn, onEscape;
    juce::Array<juce::Component::SafePointer<juce::Component>> listenedTo;

    JUCE_DECLARE_NON_COPYABLE (DialogKeys)
};
