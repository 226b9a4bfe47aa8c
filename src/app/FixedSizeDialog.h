#pragma once

#include "app/DialogKeys.h"
#include "app/WindowSizeHints.h"

// A small dialog window of fixed size with the desktop's own title bar: the title bar offers
// only close (the window manager is told it cannot be resized or maximised), and close, escape
// and Return reach the dialog as its Cancel and its action. It opens centred over the window it
// belongs to.
class FixedSizeDialog : public juce::ResizableWindow
{
public:
    explicit FixedSizeDialog (const juce::String& title);

    int getDesktopWindowStyleFlags() const override;
    void userTriedToCloseWindow() override { cancelPressed(); }

protected:
    // Once the content is in place: sizes and centres the window over the owner (or, without one,
    // over the active window), puts it on the desktop and attaches the keys. Does not show it.
    void placeOver (juce::Component* owner);
    // Shows it in front, taking the keyboard focus.
    void show();

    // Return: the dialog's action, when it can run. Escape and the title bar's close: Cancel.
    // Either may delete the dialog.
    virtual void returnPressed() = 0;
    virtual void cancelPressed() = 0;

private:
    DialogKeys keys;
    WindowSizeHints sizeHints;

    JUCE_DECLARE_NON_COPYABLE (FixedSizeDialog)
};
