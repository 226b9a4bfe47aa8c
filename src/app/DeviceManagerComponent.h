#pragma once

#include "app/DeviceListModel.h"
#include "widgets/CustomLook.h"

// The content of the device setup dialog: the MIDI input and output device lists over their
// pictures, and "OK", "Cancel" and "Apply", which report to the listener given at construction.
class DeviceManagerComponent : public juce::Component
{
public:
    static constexpr const char* noInputText = "No MIDI input found";
    static constexpr const char* noOutputText = "No MIDI output found";

    explicit DeviceManagerComponent (juce::Button::Listener* listener);
    ~DeviceManagerComponent() override;

    void addInputDevice (const juce::String& name) { inputModel.addDevice (name); }
    void addOutputDevice (const juce::String& name) { outputModel.addDevice (name); }
    void addInputDevice (const juce::MidiDeviceInfo& device) { inputModel.addDevice (device); }
    void addOutputDevice (const juce::MidiDeviceInfo& device) { outputModel.addDevice (device); }
    void updateContent();

    // Select the row shown with that name (the last one, if the name repeats); no match selects nothing.
    void selectInputDevice (const juce::String& name) { selectDevice (inputList, inputModel, name); }
    void selectOutputDevice (const juce::String& name) { selectDevice (outputList, outputModel, name); }
    // Select the row of that device by its identifier, or by its name when it is not listed.
    void selectInputDevice (const juce::MidiDeviceInfo& device) { selectDevice (inputList, inputModel, device); }
    void selectOutputDevice (const juce::MidiDeviceInfo& device) { selectDevice (outputList, outputModel, device); }

    // The name shown in the first selected row, or empty with none selected.
    juce::String getSelectedInputDevice() const { return selectedDevice (inputList, inputModel); }
    juce::String getSelectedOutputDevice() const { return selectedDevice (outputList, outputModel); }
    // The device of the first selected row; name and identifier empty with none selected.
    juce::MidiDeviceInfo getSelectedInput() const { return selectedInfo (inputList, inputModel); }
    juce::MidiDeviceInfo getSelectedOutput() const { return selectedInfo (outputList, outputModel); }

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::ListBox& getInputList() { return inputList; }
    juce::ListBox& getOutputList() { return outputList; }
    juce::TextButton& getButton (const juce::String& name);

private:
    static void selectDevice (juce::ListBox& list, DeviceListModel& model, const juce::String& name);
    static void selectDevice (juce::ListBox& list, DeviceListModel& model, const juce::MidiDeviceInfo& device);
    static juce::String selectedDevice (const juce::ListBox& list, const DeviceListModel& model);
    static juce::MidiDeviceInfo selectedInfo (const juce::ListBox& list, const DeviceListModel& model);

    juce::TextButton okButton { "OK" };
    juce::TextButton applyButton { "Apply" };
    juce::TextButton cancelButton { "Cancel" };
    juce::Image background;
    juce::Image listPanel;
    DeviceListModel inputModel;
    DeviceListModel outputModel;
    juce::ListBox inputList;
    juce::ListBox outputList;
    CustomLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceManagerComponent)
};
