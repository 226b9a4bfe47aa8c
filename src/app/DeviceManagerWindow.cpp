#include "app/DeviceManagerWindow.h"

DeviceManagerWindow::DeviceManagerWindow (const juce::String& title, MidiManager& manager, juce::Component* owner)
    : FixedSizeDialog (title), midiManager (manager)
{
    content = new DeviceManagerComponent (this);

    auto& ports = midiManager.getPorts();

    for (const auto& device : ports.getInputDevices())
        content->addInputDevice (device);

    for (const auto& device : ports.getOutputDevices())
        content->addOutputDevice (device);

    content->updateContent();

    setContentOwned (content, true);
    placeOver (owner);

    content->selectInputDevice (midiManager.getInputDevice());
    content->selectOutputDevice (midiManager.getOutputDevice());

    show();
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

void DeviceManagerWindow::returnPressed()
{
    buttonClicked (&content->getButton ("OK"));
}

void DeviceManagerWindow::cancelPressed()
{
    buttonClicked (&content->getButton ("Cancel"));
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
