#include "ShellTestSupport.h"

#include "app/WindowManager.h"
#include "midi/VirtualMidiPorts.h"

#include <gtest/gtest.h>

namespace
{
// An editor window over in-memory ports; the device is "OrbMini" and opened only on request.
class TransferDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ports.addInput ("OrbMini");
        ports.addOutput ("OrbMini");
        engine = new OrbEditorEngine (&modelByte, midi, "*.orp", 24, 7, 8, 16, 24,
                                      OrbEditorEngine::Timing { 0, 0, 60000 });
        auto* canvas = new juce::Component();
        canvas->setSize (1200, 700);
        window = manager.createWindow (canvas, engine, {});
    }

    void TearDown() override
    {
        closeDialogsAndAlerts();
    }

    void connect()
    {
        midi.setInput ("OrbMini");
        midi.setOutput ("OrbMini");
        ASSERT_TRUE (midi.isConnected());
    }

    static void click (juce::Button& button)
    {
        button.triggerClick();
        pumpMessages (20);
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
    EXPECT_EQ (get->getContent().getSlotSelector().getComboBox().getText(), "1");
    EXPECT_EQ (get->getContent().getSlotSelector().getComboBox().getNumItems(), 24);
    click (get->getContent().getActionButton());
    EXPECT_EQ (window->getGetDialog(), nullptr);

    // A send dialog keeps the engine of its window, closed in the meantime.
    window->showSendDialog();
    juce::WeakReference<SendPresetWindow> send (window->getSendDialog());
    ASSERT_NE (send.get(), nullptr);
    EXPECT_EQ (send->getName(), "Send Preset To Hardware");
    pumpMessages (20);
    send->getContent().getSlotSelector().getComboBox().setSelectedId (24, juce::sendNotificationSync);
    EXPECT_EQ (send->getContent().getSelectedSlot(), 24);
    OrbEditorEngine* raw = engine.get();
    engine = nullptr;
    window->closeButtonPressed();
    ASSERT_NE (send.get(), nullptr);
    EXPECT_EQ (raw->getReferenceCount(), 1);
    click (send->getContent().getActionButton());
    EXPECT_EQ (send.get(), nullptr);
    EXPECT_TRUE (findAlerts().empty());

    for (auto [command, slot] : { std::pair (0x65, 0), std::pair (0x64, 23) })
    {
        const auto slots = slotsSent ((std::uint8_t) command);
        ASSERT_EQ (slots.size(), 305u);
        EXPECT_TRUE (std::all_of (slots.begin(), slots.end(), [s = slot] (int sent) { return sent == s; })) << command;
    }
}

TEST_F (TransferDialogsTest, OneDialogOfEachKindAtATimeAndEveryNewOneStartsAtSlotOne)
{
    window->showGetDialog();
    auto* first = window->getGetDialog();
    window->showGetDialog();
    juce::TextButton getButton ("Get From Hardware");
    window->buttonClicked (&getButton);
    EXPECT_EQ (findWindows<GetPresetWindow>().size(), 1u);
    EXPECT_EQ (window->getGetDialog(), first);

    juce::TextButton sendButton ("Send To Hardware");
    window->buttonClicked (&sendButton);
    window->showSendDialog();
    EXPECT_EQ (findWindows<SendPresetWindow>().size(), 1u);
    EXPECT_EQ (findWindows<GetPresetWindow>().size(), 1u);

    first->getContent().getSlotSelector().getComboBox().setSelectedId (7, juce::sendNotificationSync);
    click (first->getContent().getCancelButton());
    EXPECT_EQ (window->getGetDialog(), nullptr);
    EXPECT_TRUE (slotsSent (0x65).empty());

    window->showGetDialog();
    ASSERT_NE (window->getGetDialog(), nullptr);
    pumpMessages (20);
    EXPECT_EQ (window->getGetDialog()->getContent().getSelectedSlot(), 1);
    EXPECT_EQ (window->getGetDialog()->getContent().getSlotSelector().getComboBox().getText(), "1");
    EXPECT_TRUE (renderToPng (window->getGetDialog()->getContent(), "GetPresetDialog.png").existsAsFile());
}

TEST_F (TransferDialogsTest, AFailedSendKeepsTheDialogAndShowsOneMidiError)
{
    window->showSendDialog();
    auto* dialog = window->getSendDialog();
    ASSERT_NE (dialog, nullptr);

    click (dialog->getContent().getActionButton());
    click (dialog->getContent().getActionButton());

    EXPECT_EQ (window->getSendDialog(), dialog);
    const auto alerts = findAlerts();
    ASSERT_EQ (alerts.size(), 1u);
    EXPECT_EQ (alerts[0]->getName(), "MIDI Error");
    EXPECT_TRUE (slotsSent (0x64).empty());

    // With the ports fixed, the same dialog sends and closes.
    dismissAlerts();
    connect();
    click (dialog->getContent().getActionButton());
    EXPECT_EQ (window->getSendDialog(), nullptr);
    EXPECT_EQ (slotsSent (0x64).size(), 305u);
}
