#include "app/DeviceManagerWindow.h"

DeviceManagerWindow::DeviceManagerWindow (const juce::String& title, MidiManager& manager)
    : juce::ResizableWindow (title, true), midiManager (manager)
{
    setUsingNativeTitleBar (true);
    setResizable (false, false);

    content = new DeviceManagerComponent (this);

    auto& ports = midiManager.getPorts();

    for (const auto& device : ports.getInputDevices())
        content->addInputDevice (device);

    for (const auto& device : ports.getOutputDevices())
        content->addOutputDevice (device);

    content->updateContent();

    setContentOwned (content, true);
    centreWithSize (getWidth(), getHeight());

    content->selectInputDevice (midiManager.getInputDevice());
    content->selectOutputDevice (midiManager.getOutputDevice());

    setAlwaysOnTop (false);
    toFront (true);
    setVisible (true);
}

DeviceManagerWindow::~DeviceManagerWindow()
{
    masterReference.clear();
    clearContentComponent();
}

void DeviceManagerWindow::apply()
{
    // By device, not by the name shown: of two units of one name, the chosen one opens.
    midiManager.setInput (content->getSelectedInput());
    midiManager.setOutput (content->getSelectedOutput());
}

void DeviceManagerWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == "OK")
    {
        apply();
        delete this;
    }
    else if (name == "Apply")
    {
        apply();
    }
    else if (name == "Cancel")
    {
        delete this;
    }
}
