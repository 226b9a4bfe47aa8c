#pragma once

#include "midi/MidiManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The link to the controller at a glance, at the right of a window's menu bar: "OrbMini MIDI 1
// connected", "OrbMini MIDI 1 not present, waiting" or "No MIDI device chosen", with a dot in
// green, amber or grey. It follows the port manager as ports open and close; a click asks for
// the device setup. A window may add a note of its own after the link ("Live: Slot 3").
class MidiStatusLine : public juce::Component, private juce::ChangeListener
{
public:
    enum class Link
    {
        none,
        waiting,
        connected
    };

    explicit MidiStatusLine (MidiManager& manager);
    ~MidiStatusLine() override;

    // What the line says of the port manager's ports now.
    static juce::String describe (const MidiManager& manager);
    static Link linkOf (const MidiManager& manager);

    juce::String getText() const;
    void setNote (const juce::String& note);

    std::function<void()> onClick;

    void paint (juce::Graphics& g) override;
    void mouseUp (const juce::MouseEvent& event) override;

private:
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void refresh();

    MidiManager& manager;
    juce::String linkText, note;
    Link link = Link::none;

    JUCE_DECLARE_NON_COPYABLE (MidiStatusLine)
};
