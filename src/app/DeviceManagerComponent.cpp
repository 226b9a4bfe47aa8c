#include "app/DeviceManagerComponent.h"

#include "views/ArtworkImages.h"

DeviceManagerComponent::DeviceManagerComponent (juce::Button::Listener* listener)
{
    for (auto* button : { &okButton, &applyButton, &cancelButton })
    {
        button->setButtonText (button->getName());

        if (listener != nullptr)
            button->addListener (listener);
    }

    background = ArtworkImages::get (ArtworkImages::deviceSetupBackground);
    listPanel = ArtworkImages::get (ArtworkImages::deviceListFrame);

    inputList.setName ("Input Devices");
    outputList.setName ("Output Devices");
    inputList.setModel (&inputModel);
    outputList.setModel (&outputModel);
    inputList.setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00FFFFFFu));
    outputList.setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00FFFFFFu));

    addAndMakeVisible (okButton);
    addAndMakeVisible (cancelButton);
    addAndMakeVisible (applyButton);
    addAndMakeVisible (inputList);
    addAndMakeVisible (outputList);

    setLookAndFeel (&look);
    setSize (360, 425);
}

DeviceManagerComponent::~DeviceManagerComponent()
{
    setLookAndFeel (nullptr);
}

void DeviceManagerComponent::updateContent()
{
    inputList.updateContent();
    outputList.updateContent();
}

juce::TextButton& DeviceManagerComponent::getButton (const juce::String& name)
{
    if (name == "OK")
        return okButton;

    return name == "Apply" ? applyButton : cancelButton;
}

void DeviceManagerComponent::selectDevice (juce::ListBox& list, DeviceListModel& model, const juce::String& name)
{
    const auto& names = model.getNames();

    for (int row = 0; row < names.size(); ++row)
        if (names[row] == name)
            list.selectRow (row, false, true);
}

void DeviceManagerComponent::selectDevice (juce::ListBox& list, DeviceListModel& model,
                                           const juce::MidiDeviceInfo& device)
{
    if (const int row = model.findIdentifier (device.identifier); row >= 0)
        list.selectRow (row, false, true);
    else
        selectDevice (list, model, device.name);
}

juce::MidiDeviceInfo DeviceManagerComponent::selectedInfo (const juce::ListBox& list, const DeviceListModel& model)
{
    const int row = list.getSelectedRow (0);
    return row >= 0 ? model.getDevice (row) : juce::MidiDeviceInfo();
}

juce::String DeviceManagerComponent::selectedDevice (const juce::ListBox& list, const DeviceListModel& model)
{
    const int row = list.getSelectedRow (0);
    return row >= 0 ? model.getNames()[row] : juce::String();
}

void DeviceManagerComponent::paint (juce::Graphics& g)
{
    // The pictures of the set in use, which a change of zoom may have switched since the last paint.
    background = ArtworkImages::get (ArtworkImages::deviceSetupBackground);
    listPanel = ArtworkImages::get (ArtworkImages::deviceListFrame);

    g.fillAll (juce::Colours::white);
    g.setColour (juce::Colours::black);

    if (background.isValid())
        g.drawImage (background, 0, 0, 360, 425, 0, 0, background.getWidth(), background.getHeight());

    if (listPanel.isValid())
    {
        g.drawImage (listPanel, 15, 60, 327, 141, 0, 0, listPanel.getWidth(), listPanel.getHeight());
        g.drawImage (listPanel, 15, 228, 327, 141, 0, 0, listPanel.getWidth(), listPanel.getHeight());
    }

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f, juce::Font::plain));
    g.drawText ("INPUT", 25, 44, 41, 18, juce::Justification::centredLeft, true);
    g.drawText ("OUTPUT", 23, 216, 57, 11, juce::Justification::centredLeft, true);

    // An empty list says why it is empty, where its first row would be.
    g.setColour (juce::Colours::white);
    const auto sayIfEmpty = [&g] (const DeviceListModel& model, const juce::ListBox& list, const juce::String& text) {
        if (! model.getNames().isEmpty())
            return;

        g.setFont ((float) list.getRowHeight() * 0.7f);
        g.drawText (text, list.getBounds().withHeight (list.getRowHeight()).withTrimmedLeft (5),
                    juce::Justification::centredLeft, true);
    };
    sayIfEmpty (inputModel, inputList, noInputText);
    sayIfEmpty (outputModel, outputList, noOutputText);
}

void DeviceManagerComponent::resized()
{
    inputList.setBounds (15, 69, 327, 123);
    outputList.setBounds (15, 240, 327, 123);
    okButton.setBounds (16, 381, 72, 32);
    cancelButton.setBounds (120, 381, 88, 30);
    applyButton.setBounds (248, 381, 88, 30);
}
