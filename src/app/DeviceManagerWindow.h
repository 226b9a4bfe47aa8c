#pragma once

#include "app/DeviceManagerComponent.h"
#include "midi/MidiManager.h"

// The device setup dialog: lists the MIDI devices present when it opens, preselects the ports
// the port manager has open, and hands the chosen names to it on "OK" or "Apply". Not modal;
// it deletes itself on "OK" and "Cancel".
class DeviceManagerWindow : public juce::ResizableWindow, public juce::Button::Listener
{
public:
    DeviceManagerWindow (const juce::String& title, MidiManager& midiManager);
    ~DeviceManagerWindow() override;

    void buttonClicked (juce::Button* button) override;

    DeviceManagerComponent& getContent() { return *content; }

private:
    void apply();

    MidiManager& midiManager;
    DeviceManagerComponent* content;

    JUCE_DECLARE_WEAK_REFERENCEABLE (DeviceManagerWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceManagerWindow)
};
