#include "ReferencePictures.h"
#include "ShellTestSupport.h"

#include "app/LibrarianWindow.h"
#include "app/QuitAfterWrites.h"
#include "app/SlotWritingAlert.h"
#include "app/WindowManager.h"
#include "PresetTestSupport.h"
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
        engine =
            new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24, OrbEditorEngine::Timing { 0, 0, 60000 });
        window = manager.createWindow (newCanvas(), engine, {});
    }

    void TearDown() override { closeDialogsAndAlerts(); }

    void connect()
    {
        midi.setInput ("OrbMini");
        midi.setOutput ("OrbMini");
        ASSERT_TRUE (midi.isConnected());
    }

    OrbMiniSimulator::Payload payload() const
    {
        const auto dump = engine->buildDump (0);
        return { dump.begin() + 10, dump.end() - 1 };
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

// The dialog's cancel, or the window's close, meets the transfer thread in the middle of a write.
class TransferDialogsThreading : public TransferDialogsTest
{};
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

    // Closing the window stops a get without a word: the device is unchanged.
    window->showGetDialog();
    juce::WeakReference<GetPresetWindow> running (window->getGetDialog());
    clickAndWait (running->getContent().getActionButton());
    ASSERT_TRUE (engine->isGetting());
    window->closeButtonPressed();
    EXPECT_EQ (manager.getNumWindows(), 0);
    EXPECT_TRUE (findAlerts().empty());
    ASSERT_TRUE (miditest::runUntil ([&] { return running.get() == nullptr; }, 5000));
    EXPECT_FALSE (engine->isGetting());
}

// The device holds the sender in its 50th write, long enough to press a button meanwhile.
TEST_F (TransferDialogsThreading, CancellingASendWhileItWritesKeepsTheDialogSayingTheSlotWasLeftIncomplete)
{
    connect();
    simulator.setOptions ({ .stallAtMessage = 50, .stallMs = 300 });
    window->showSendDialog();
    juce::WeakReference<SendPresetWindow> send (window->getSendDialog());
    auto& content = send->getContent();
    content.getSlotSelector().getComboBox().setSelectedId (3, juce::sendNotificationSync);
    clickAndWait (content.getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return simulator.getNumWrites() >= 50; }, 5000));

    clickAndWait (content.getCancelButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return ! engine->isSending(); }, 5000));
    pumpMessages (20);
    ASSERT_NE (send.get(), nullptr);
    EXPECT_EQ (content.getFailureLabel().getText(), "Slot 3 was left incomplete: send again to complete it");
    EXPECT_TRUE (content.getActionButton().isEnabled());
    EXPECT_EQ (simulator.getNumWrites(), 50);
    EXPECT_TRUE (findAlerts().empty()); // a cancel is not a MIDI error

    simulator.setOptions ({});
    clickAndWait (content.getActionButton());
    ASSERT_TRUE (miditest::runUntil ([&] { return send.get() == nullptr; }, 5000));
    EXPECT_EQ (simulator.getSlot (2), payload());
}

TEST_F (TransferDialogsThreading, ClosingAWindowWhileItsSendWritesAsksFirstWaitClosesItOnceWrittenStopClosesAtOnce)
{
    connect();
    for (auto answer : { SlotWritingAlert::wait, SlotWritingAlert::stopAndClose })
    {
        simulator.setOptions ({ .stallAtMessage = 50, .stallMs = 300 });
        const auto writesBefore = simulator.getNumWrites();
        const auto written = [&] { return simulator.getNumWrites() - writesBefore; };
        window->showSendDialog();
        clickAndWait (window->getSendDialog()->getContent().getActionButton());
        ASSERT_TRUE (miditest::runUntil ([&] { return written() >= 50; }, 5000));

        window->closeButtonPressed();
        auto* alert = window->getSlotWritingAlert();
        ASSERT_NE (alert, nullptr);
        EXPECT_EQ (describe (alert), "Slot Being Written. Slot 1 is being written. Closing now leaves it incomplete.");
        EXPECT_EQ (manager.getNumWindows(), 1);

        alert->exitModalState (answer);
        ASSERT_TRUE (miditest::runUntil ([&] { return manager.getNumWindows() == 0; }, 10000));
        simulator.waitUntilIdle (2000);

        if (answer == SlotWritingAlert::wait)
        {
            EXPECT_EQ (simulator.getSlot (0), payload());
            simulator.setSlot (0, OrbMiniSimulator::Payload (OrbMiniSimulator::payloadSize, 0x11));
        }
        else
        {
            EXPECT_LT (written(), 305);
            EXPECT_NE (simulator.getSlot (0), payload());
        }

        engine =
            new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24, OrbEditorEngine::Timing { 0, 0, 60000 });
        window = manager.createWindow (newCanvas(), engine, {});
    }
}

// Quitting stops a restore after the slot it is writing, and asks whether to wait for that slot.
TEST_F (TransferDialogsThreading, QuittingWhileARestoreWritesAsksAndQuitsOnceThatSlotIsWritten)
{
    connect();
    const auto file = testDirectory ("dialogs-quit").getChildFile ("Slot 02 - Quit.orp");
    ASSERT_TRUE (engine->savePresetFile (file));
    const auto third = simulator.getSlot (2);
    auto* librarian =
        new LibrarianWindow ("Restore Slots", midi, SlotLibrarian::Direction::restore, { { 2, file }, { 3, file } },
                             file.getParentDirectory(), false, OrbEditorEngine::Timing { 0, 0, 60000 });
    simulator.setOptions ({ .stallAtMessage = 50, .stallMs = 300 });
    clickAndWait (*librarian->getContent().findButton ("Restore"));
    ASSERT_TRUE (miditest::runUntil ([&] { return simulator.getNumWrites() >= 50; }, 5000));

    int quits = 0;
    QuitAfterWrites guard ([&quits] { ++quits; });
    guard.quitUnlessWritingSlots (&manager);
    ASSERT_NE (guard.getAlert(), nullptr);
    EXPECT_EQ (describe (guard.getAlert()),
               "Slot Being Written. Slot 2 is being written. Closing now leaves it incomplete.");
    EXPECT_EQ (quits, 0);

    guard.getAlert()->exitModalState (SlotWritingAlert::wait);
    ASSERT_TRUE (miditest::runUntil ([&] { return quits == 1; }, 10000));
    EXPECT_EQ (simulator.getSlot (1), payload());
    EXPECT_EQ (simulator.getSlot (2), third);
    delete librarian;
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
    window->setTopLeftPosition (10, 40);
    clickAndWait (send->getContent().getActionButton());
    clickAndWait (send->getContent().getActionButton());

    EXPECT_EQ (window->getSendDialog(), send);
    ASSERT_EQ (findAlerts().size(), 1u);
    EXPECT_EQ (findAlerts()[0]->getName(), "MIDI Error");
    // Over the window whose send failed, not in the middle of the screen.
    EXPECT_LT (findAlerts()[0]->getScreenBounds().getCentre().getDistanceFrom (window->getScreenBounds().getCentre()),
               3);
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
