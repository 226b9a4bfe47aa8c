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

    miditest::CountingPorts ports;
    MidiManager midi { ports, 60000 };
    juce::WeakReference<DeviceManagerWindow> dialog;
};
} // namespace

TEST_F (DeviceSetupTest, ListsTheDevicesAndPreselectsTheOpenPorts)
{
    midi.setInput ("OrbMini");
    midi.setOutput ("Thru");
    auto& content = open();

    EXPECT_EQ (content.getInputList().getName(), "Input Devices");
    EXPECT_EQ (content.getOutputList().getName(), "Output Devices");

    // Backdrop, both frames, the captions, every device's row and the selected rows.
    reference::expectComponentMatches (content, "device-setup");
}

TEST_F (DeviceSetupTest, CancelChangesNothingOkAppliesAndClosesAndApplyOpensEachPortOnce)
{
    midi.setInput ("Synth");
    auto& content = open();
    content.getInputList().selectRow (0);
    press ("Cancel");
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "Synth");
    EXPECT_EQ (ports.inputOpens, 1);

    auto& again = open();
    EXPECT_EQ (again.getSelectedInputDevice(), "Synth");
    again.getInputList().selectRow (0);
    press ("OK");
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "Keys In");
    EXPECT_EQ (midi.getOutputName(), ""); // no output row was selected
    EXPECT_EQ (ports.outputOpens, 0);

    // "Apply" twice with the same choice opens each port once, and "Cancel" afterwards keeps it.
    auto& third = open();
    EXPECT_EQ (third.getSelectedOutputDevice(), "");
    third.getInputList().selectRow (1);
    third.getOutputList().selectRow (0);
    press ("Apply");
    ASSERT_NE (dialog.get(), nullptr);
    press ("Apply");
    EXPECT_EQ (ports.inputOpens, 3);
    EXPECT_EQ (ports.outputOpens, 1);
    press ("Cancel");
    EXPECT_EQ (dialog.get(), nullptr);
    EXPECT_EQ (midi.getInputName(), "OrbMini");
    EXPECT_EQ (midi.getOutputName(), "OrbMini");
    EXPECT_TRUE (midi.isConnected());
}

TEST_F (DeviceSetupTest, AVanishedDeviceLeavesThePortAsItWas)
{
    midi.setInput ("Synth");
    auto& content = open();
    content.getInputList().selectRow (0);
    ports.removeInput ("Keys In");

    press ("Apply");
    EXPECT_EQ (midi.getInputName(), "Synth");
    EXPECT_EQ (ports.getNumOpenInputs ("Synth"), 1);
    EXPECT_EQ (ports.inputOpens, 1);

    // The list is not refreshed while open: the vanished device is still shown.
    EXPECT_EQ (content.getInputList().getModel()->getNumRows(), 3);
}

// With no MIDI device, each list says so where its first row would be.
TEST_F (DeviceSetupTest, EmptyListsSayThatNoDeviceWasFound)
{
    DeviceManagerComponent empty (nullptr);
    reference::expectComponentMatches (empty, "device-setup-no-devices");
}
