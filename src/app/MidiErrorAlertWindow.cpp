#include "app/MidiErrorAlertWindow.h"

#include "app/AlertPlacement.h"

MidiErrorAlertWindow::MidiErrorAlertWindow (juce::Component* owner)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::NoIcon, "MIDI Error", getMessage(), "OK", nullptr,
                                            this);
    AlertPlacement::centreShownAlertOver (owner);
}

MidiErrorAlertWindow::~MidiErrorAlertWindow() = default;

void MidiErrorAlertWindow::modalStateFinished (int) {}

juce::String MidiErrorAlertWindow::getMessage()
{
    return juce::String ("MIDI Communication Unsuccessful.") + "\r\n" + "Verify MIDI Connection and Device Settings."
           + "\r\n" + "Verify no other applications are using the MIDI Port.";
}
