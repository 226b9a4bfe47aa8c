#pragma once

#include "app/DeviceManagerComponent.h"
#include "app/FixedSizeDialog.h"
#include "midi/MidiManager.h"

// The device setup dialog: lists the MIDI devices present when it opens, preselects the ports
// the port manager has open, and hands the chosen names to it on "OK" or "Apply". Not modal;
// it deletes itself on "OK" and "Cancel". Return is "OK"; escape and the title bar's close are "Cancel".
class DeviceManagerWindow : public FixedSizeDialog, public juce::Button::Listener
{
public:
    // Opens centred over the owner (an editor window), or over the active window without one.
    DeviceManagerWindow (const juce::String& title, MidiManager& midiManager, juce::Component* owner = nullptr);
    ~DeviceManagerWindow() override;

    void buttonClicked (juce::Button* button) override;

    DeviceManagerComponent& getContent() { return *content; }

private:
    void returnPressed() override;
    void cancelPressed() override;
    void apply();

    MidiManager& midiManager;
    DeviceManagerComponent* content;

    JUCE_DECLARE_WEAK_REFERENCEABLE (DeviceManagerWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceManagerWindow)
};
