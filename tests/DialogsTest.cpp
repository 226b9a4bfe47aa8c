#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/WindowManager.h"
#include "simulator/OrbMiniSimulator.h"
#include "simulator/VirtualMidiPorts.h"

#include "MidiTestSupport.h"

#include <gtest/gtest.h>

#include <set>

// Each case names only the simulator options it changes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace
{
// An editor window over in-memory ports; the simulated device is "OrbMini" and opened only on request.
class TransferDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine = new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24,
                                      OrbEditorEngine::Timing { 0, 0, 60000, 5 });
        window = manager.createWindow (newCanvas(), engine, {});
    }

    void TearDown() override { closeDialogsAndAlerts(); }

    void connect()
    {
        midi.setInput ("OrbMini");
        midi.setOutput ("OrbMini");
        ASSERT_TRUE (midi.isConnected());
    }

    // The slot byte of every message sent to the device with that command byte.
    std::vector<int> slotsSent (std::uint8_t command) const
    {
        std::vector<int> slots;

        for (const auto& message : ports.getSentMessages ("OrbMini"))
            if (message.getRawDataSize() > 9 && message.getRawData()[6] == command)
                slots.push_back (message.getRawData()[9]);

        return slots;
    }

    std::uint8_t modelByte = 0x3E;
    VirtualMidiPorts ports;
    OrbMiniSimulator simulator { ports, "OrbMini" };
    MidiManager midi { ports, 60000 };
    juce::File lastDirectory;
    WindowManager manager { nullptr, nullptr, &lastDirectory };
    OrbEditorEngine::Ptr engine;
    EditorWindow* window = nullptr;
};
} // namespace

TEST_F (TransferDialogsTest, EachDialogSendsItsChosenSlotAsIndexFromZeroAndClosesEvenAfterItsWindow)
{
    connect();
    window->showGetDialog();
    auto* get = window->getGetDialog();
    ASSERT_NE (get, nullptr);
    EXPECT_EQ (get->getName(), "Get Preset From Hardware");
    clickAndWait (get->getContent().getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return window->getGetDialog() == nullptr; }, 5000));

    // A send dialog keeps the engine of its window, closed in the meantime.
    window->showSendDialog();
    juce::WeakReference<SendPresetWindow> send (window->getSendDialog());
    ASSERT_NE (send.get(), nullptr);
    EXPECT_EQ (send->getName(), "Send Preset To Hardware");
    pumpMessages (20);
    send->getContent().getSlotSelector().getComboBox().setSelectedId (24, juce::sendNotificationSync);
    OrbEditorEngine* raw = engine.get();
    engine = nullptr;
    window->closeButtonPressed();
    ASSERT_NE (send.get(), nullptr);
    EXPECT_EQ (raw->getReferenceCount(), 1);
    clickAndWait (send->getContent().getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return send.get() == nullptr; }, 5000));

    // The get asked slot index 0; the send wrote and read back index 23. How many messages a
    // transfer takes is EngineTransfer's.
    const auto writes = slotsSent (0x64), requests = slotsSent (0x65);
    EXPECT_EQ (std::set<int> (writes.begin(), writes.end()), std::set<int> { 23 });
    EXPECT_EQ (std::set<int> (requests.begin(), requests.end()), (std::set<int> { 0, 23 }));
}

TEST_F (TransferDialogsTest, ARunningTransferShowsItsProgressAndCancelStopsIt)
{
    connect();
    simulator.setOptions ({ .dropReplies = true });

    window->showGetDialog();
    auto* get = window->getGetDialog();
    auto& content = get->getContent();
    clickAndWait (content.getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return slotsSent (0x65).size() == 305u; }, 5000));
    pumpMessages (60);

    EXPECT_TRUE (content.getProgressBar().isVisible());
    EXPECT_FALSE (content.getActionButton().isEnabled());

    clickAndWait (content.getCancelButton());
    EXPECT_EQ (window->getGetDialog(), nullptr);
    EXPECT_FALSE (engine->isGetting()); // the preset as it was: EngineTransfer.CancellingStops...

    // Closing the window ends its transfers, and their dialogs close with them.
    window->showSendDialog();
    juce::WeakReference<SendPresetWindow> send (window->getSendDialog());
    clickAndWait (send->getContent().getActionButton());
    ASSERT_TRUE (engine->isSending());
    window->closeButtonPressed();
    ASSERT_TRUE (miditest::runUntil ([&] { return send.get() == nullptr; }, 5000));
    EXPECT_FALSE (engine->isSending());
}

// Without a connection. Which button opens which dialog is MainSectionViewDispatch.EachButtonReachesItsWindow's.
TEST_F (TransferDialogsTest, OneDialogOfEachKindAtATimeEachNewOneAtSlotOneAndAFailedSendKeepsItsDialog)
{
    window->showGetDialog();
    auto* first = window->getGetDialog();
    window->showGetDialog();
    EXPECT_EQ (findWindows<GetPresetWindow>().size(), 1u);

    window->showSendDialog();
    auto* send = window->getSendDialog();
    ASSERT_NE (send, nullptr);
    window->showSendDialog();
    EXPECT_EQ (findWindows<SendPresetWindow>().size(), 1u);

    first->getContent().getSlotSelector().getComboBox().setSelectedId (7, juce::sendNotificationSync);
    clickAndWait (first->getContent().getCancelButton());
    EXPECT_EQ (window->getGetDialog(), nullptr);

    window->showGetDialog();
    ASSERT_NE (window->getGetDialog(), nullptr);
    pumpMessages (20);
    reference::expectComponentMatches (window->getGetDialog()->getContent(), "get-preset-dialog");

    // A failed send keeps its dialog and shows one MIDI error however often it is tried.
    clickAndWait (send->getContent().getActionButton());
    clickAndWait (send->getContent().getActionButton());

    EXPECT_EQ (window->getSendDialog(), send);
    ASSERT_EQ (findAlerts().size(), 1u);
    EXPECT_EQ (findAlerts()[0]->getName(), "MIDI Error");
    // The failure line under the slot list, and its text, are the picture's.
    reference::expectComponentMatches (send->getContent(), "send-preset-dialog-failed");

    // With the ports fixed, the same dialog sends and closes once the slot is verified; what a
    // send writes is EngineTransfer.WritesAndSyncCarryTheirGoldenBytes...'s.
    dismissAlerts();
    connect();
    clickAndWait (send->getContent().getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return window->getSendDialog() == nullptr; }, 5000));
}

// Return is the action and escape and the title bar's close are "Cancel", from wherever the focus
// is in the dialog; a focused button keeps Return for itself. The window manager is told that the
// dialog can be closed but neither resized nor maximised.
TEST_F (TransferDialogsTest, ReturnStartsEscapeAndTheTitleBarCloseCancelAsTheButtonsDo)
{
    connect();
    simulator.setOptions ({ .dropReplies = true });

    window->showGetDialog();
    auto* get = window->getGetDialog();
    const auto flags = get->getDesktopWindowStyleFlags();
    EXPECT_NE (flags & juce::ComponentPeer::windowHasCloseButton, 0);
    EXPECT_EQ (flags & (juce::ComponentPeer::windowIsResizable | juce::ComponentPeer::windowHasMaximiseButton), 0);

    pressKeyAndWait (get->getContent().getSlotSelector().getComboBox(), juce::KeyPress::returnKey);
    ASSERT_TRUE (engine->isGetting());
    pressKeyAndWait (get->getContent().getSlotSelector().getComboBox(), juce::KeyPress::escapeKey);
    EXPECT_EQ (window->getGetDialog(), nullptr);
    EXPECT_FALSE (engine->isGetting());

    window->showSendDialog();
    juce::WeakReference<SendPresetWindow> send (window->getSendDialog());
    pressKeyAndWait (*send, juce::KeyPress::returnKey);
    ASSERT_TRUE (engine->isSending());
    closeByTitleBar (*send);
    EXPECT_EQ (send.get(), nullptr);
    EXPECT_FALSE (engine->isSending());

    // Return on a focused "Cancel" is that button's.
    window->showSendDialog();
    send = window->getSendDialog();
    pressKeyAndWait (send->getContent().getCancelButton(), juce::KeyPress::returnKey);
    EXPECT_EQ (send.get(), nullptr);
    EXPECT_FALSE (engine->isSending());

    window->compareWithHardwareSlot();
    juce::WeakReference<CompareSlotWindow> compare (window->getCompareSlotDialog());
    ASSERT_NE (compare.get(), nullptr);
    pressKeyAndWait (*compare, juce::KeyPress::escapeKey);
    EXPECT_EQ (compare.get(), nullptr);
}
