#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/DeviceManagerWindow.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class DeviceSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (auto name : { "Keys In", "OrbMini", "Synth" })
            ports.addInput (name);

        for (auto name : { "OrbMini", "Thru" })
            ports.addOutput (name);
    }

    void TearDown() override { delete dialog.get(); }

    DeviceManagerComponent& open()
    {
        dialog = new DeviceManagerWindow ("OrbMini Editor Device Manager", midi);
        return dialog->getContent();
    }

    void press (const juce::String& name) { clickAndWait (dialog->getContent().getButton (name)); }

    VirtualMidiPorts ports;
    MidiManager midi { ports, 60000 };
    juce::WeakReference<DeviceManagerWindow> dialog;
};
} // namespace

TEST_F (DeviceSetupTest, ListsTheDevicesAndPreselectsTheOpenPorts)
{
    midi.setInput ("OrbMini");
    midi.setOutput ("Thru");
    // Backdrop, both frames, the captions, every device's row and the selected rows.
    reference::expectComponentMatches (open(), "device-setup");

    // With no MIDI device, each list says so where its first row would be.
    DeviceManagerComponent empty (nullptr);
    reference::expectComponentMatches (empty, "device-setup-no-devices");
}

// Opening each port once whatever is applied is MidiManagerTest.OpensPortsOnlyByExactName...'s.
TEST_F (DeviceSetupTest, CancelChangesNothingOkAppliesAndClosesAndApplyKeepsTheDialog)
{
    midi.setInput ("Synth");
    open().getInputList().selectRow (0);
    press ("Cancel");
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "Synth");

    open().getInputList().selectRow (0);
    press ("OK");
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName() + "/" + midi.getOutputName(), "Keys In/"); // no output row was selected

    // "Apply" keeps the dialog, and "Cancel" afterwards keeps what was applied.
    auto& third = open();
    third.getInputList().selectRow (1);
    third.getOutputList().selectRow (0);
    press ("Apply");
    ASSERT_NE (dialog.get(), nullptr);
    press ("Cancel");
    EXPECT_EQ (midi.getInputName() + "/" + midi.getOutputName(), "OrbMini/OrbMini");
}

// Two units of one model: the second is listed with its count, and choosing it opens that unit's
// ports, which the dialog shows selected when it opens again.
TEST_F (DeviceSetupTest, TwinControllersAreToldApartAndTheChosenUnitOpens)
{
    ports.addInput ("OrbMini MIDI 1");
    ports.addOutput ("OrbMini MIDI 1");
    const auto secondInput = ports.addInput ("OrbMini MIDI 1");
    const auto secondOutput = ports.addOutput ("OrbMini MIDI 1");

    auto& content = open();
    const auto shown = [] (juce::ListBox& list) {
        return dynamic_cast<DeviceListModel*> (list.getModel())->getNames().joinIntoString ("|");
    };
    EXPECT_EQ (shown (content.getInputList()), "Keys In|OrbMini|Synth|OrbMini MIDI 1|OrbMini MIDI 1 (2)");
    EXPECT_EQ (shown (content.getOutputList()), "OrbMini|Thru|OrbMini MIDI 1|OrbMini MIDI 1 (2)");

    content.getInputList().selectRow (4);
    content.getOutputList().selectRow (3);
    press ("OK");
    EXPECT_EQ (midi.getInputDevice().identifier, secondInput);
    EXPECT_EQ (midi.getOutputDevice().identifier, secondOutput);
    EXPECT_EQ (midi.getInputName(), "OrbMini MIDI 1");

    auto& again = open();
    EXPECT_EQ (again.getInputList().getSelectedRow(), 4);
    EXPECT_EQ (again.getOutputList().getSelectedRow(), 3);
    EXPECT_EQ (again.getSelectedInputDevice(), "OrbMini MIDI 1 (2)");
}

// Return is "OK" even from a list, which would take it for itself; escape and the title bar's
// close are "Cancel".
TEST_F (DeviceSetupTest, ReturnIsOkEscapeAndTheTitleBarCloseAreCancel)
{
    open().getInputList().selectRow (2);
    pressKeyAndWait (dialog->getContent().getInputList(), juce::KeyPress::escapeKey);
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "");

    open().getInputList().selectRow (2);
    closeByTitleBar (*dialog);
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "");

    open().getInputList().selectRow (2);
    pressKeyAndWait (dialog->getContent().getInputList(), juce::KeyPress::returnKey);
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "Synth");
}
