#include "app/DeviceManagerWindow.h"

DeviceManagerWindow::DeviceManagerWindow (const juce::String& title, MidiManager& manager, juce::Component* owner)
    : FixedSizeDialog (title), midiManager (manager)
{
    content = new DeviceManagerComponent (this);

    auto& ports = midiManager.getPorts();

    for (const auto& device : ports.getInputDevices())
        content->addInputDevice (device.name);

    for (const auto& device : ports.getOutputDevices())
        content->addOutputDevice (device.name);

    content->updateContent();

    setContentOwned (content, true);
    placeOver (owner);

    content->selectInputDevice (midiManager.getInputName());
    content->selectOutputDevice (midiManager.getOutputName());

    show();
}

DeviceManagerWindow::~DeviceManagerWindow()
{
    masterReference.clear();
    clearContentComponent();
}

void DeviceManagerWindow::apply()
{
    midiManager.setInput (content->getSelectedInputDevice());
    midiManager.setOutput (content->getSelectedOutputDevice());
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
