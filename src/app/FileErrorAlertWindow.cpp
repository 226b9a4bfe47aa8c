#include "app/FileErrorAlertWindow.h"

#include "app/AlertPlacement.h"

FileErrorAlertWindow::FileErrorAlertWindow (const juce::String& message, juce::Component* owner)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::NoIcon, "File Error", message, "OK", nullptr,
                                            this);
    AlertPlacement::centreShownAlertOver (owner);
}

FileErrorAlertWindow::~FileErrorAlertWindow() = default;

void FileErrorAlertWindow::modalStateFinished (int) {}

juce::String FileErrorAlertWindow::openingFailed (const juce::String& fileName)
{
    return "Error Opening " + fileName + "\r\n" + " Invalid Preset Data";
}

juce::String FileErrorAlertWindow::savingFailed (const juce::String& fileName)
{
    return "Error Saving " + fileName + "\r\n" + " File Not Written";
}
