#include "app/MidiErrorAlertWindow.h"

MidiErrorAlertWindow::MidiErrorAlertWindow()
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::NoIcon, "MIDI Error", getMessage(), "OK", nullptr,
                                            this);
}

MidiErrorAlertWindow::~MidiErrorAlertWindow() = default;

void MidiErrorAlertWindow::modalStateFinished (int) {}

juce::String MidiErrorAlertWindow::getMessage()
{
    return juce::String ("MIDI Communication Unsuccessful.") + "\r\n" + "Verify MIDI Connection and Device Settings."
           + "\r\n" + "Verify no other applications are using the MIDI Port.";
}
