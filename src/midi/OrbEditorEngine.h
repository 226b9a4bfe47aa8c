#pragma once

#include "model/ControlType.h"
#include "midi/MidiManager.h"
#include "midi/OrbMiniProtocol.h"
#include "midi/TransferStatus.h"
#include "model/Control.h"
#include "model/OrbControlsToMidiDin.h"
#include "model/OrbKeybed.h"
#include "model/OrbKnob.h"
#include "model/OrbMiniModel.h"
#include "model/OrbPad.h"
#include "model/OrbPresetName.h"
#include "model/OrbRollMode.h"
#include "model/OrbSustain.h"
#include "model/OrbSwitch.h"
#include "model/OrbTransport.h"
#include "model/OrbWheels.h"

#include <juce_events/juce_events.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class LiveEditSession;

// One preset and everything that moves it: the window's control groups, the preset dump and
// file, and the value-by-value exchange with the device over the shared port manager, whose
// transfer queue runs the exchange off the message thread. Always held through a counted
// reference (Ptr).
class OrbEditorEngine : public juce::ReferenceCountedObject, private juce::Timer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<OrbEditorEngine>;
    using ByteArray = juce::Array<std::uint8_t>;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void midiErrorOccurred (const juce::String& message) = 0;
        virtual void fileErrorOccurred (const juce::String& fileName) = 0;
    };

    // Told on the message thread how the engine's get and send go: progress while they run,
    // then once when each ends.
    class TransferListener
    {
    public:
        virtual ~TransferListener() = default;
        virtual void transferChanged (const TransferStatus& status) = 0;
    };

    // Told on the message thread when an edit through the editor's widgets is complete: one
    // parameter through setControlParameter or setTransportParameter, or several at once through
    // announceEdit. Whole-preset changes (get, file load) are not edits.
    class EditListener
    {
    public:
        virtual ~EditListener() = default;
        // The name says what was edited, as the Edit menu shows it ("Knob 3 CC").
        virtual void presetEdited (const juce::String& stepName) = 0;
    };

    // Pacing and reply timeout of the device protocol; tests may shorten them.
    struct Timing
    {
        int requestPacingMs = 3;
        int writePacingMs = 8;
        int replyTimeoutMs = 2000;
        int liveQuietMs = 300; // live editing reads its writes back once the edits are this quiet
    };

    OrbEditorEngine (const std::uint8_t* modelByte, MidiManager& midiManager, const juce::String& fileWildcard,
                     std::uint8_t highestSplitPoint, std::uint8_t octaveMaximum, int numKnobs, int numPads,
                     int numSwitches);
    OrbEditorEngine (const std::uint8_t* modelByte, MidiManager& midiManager, const juce::String& fileWildcard,
                     std::uint8_t highestSplitPoint, std::uint8_t octaveMaximum, int numKnobs, int numPads,
                     int numSwitches, Timing timing);
    ~OrbEditorEngine() override;

    // An engine for the OrbMini itself, with its model byte, control counts and file pattern.
    static Ptr createForOrbMini (MidiManager& midiManager);
    static Ptr createForOrbMini (MidiManager& midiManager, Timing timing);

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    void addTransferListener (TransferListener* listener);
    void removeTransferListener (TransferListener* listener);

    void addEditListener (EditListener* listener);
    void removeEditListener (EditListener* listener);
    // Tells the edit listeners about a change of several parameters made as one step.
    void announceEdit (const juce::String& stepName);

    // Transfers with the device. Both are queued and return at once; a get applies the device's
    // preset when every value has arrived, a send ends once the device holds every value.
    // sendPreset returns false when it could not start (no port open, a send already running).
    void getPreset (std::uint8_t slot);
    bool sendPreset (const std::uint8_t& slot);
    void setSyncMode (bool external);
    // Nothing more is sent; a cancelled get leaves the preset as it was, a send cancelled after
    // its first write ends saying that the slot was left incomplete.
    void cancelTransfer (TransferStatus::Kind kind);
    void cancelTransfers();
    // Cancels the transfer of that kind unless it is a send that has begun writing its slot,
    // which is left to finish; true when nothing of that kind is left writing.
    bool cancelTransferUnlessWriting (TransferStatus::Kind kind);
    // Whether a send of this engine is writing a slot now (closing would leave it incomplete).
    bool isWritingSlot() const;
    bool isGetting() const { return runningGet != nullptr; }
    bool isSending() const { return runningSend != nullptr; }
    // The state of the last get or send of this engine, running or ended.
    TransferStatus getTransferStatus (TransferStatus::Kind kind) const;

    // Live editing of a slot: every change of the preset is written there as it happens.
    LiveEditSession& getLiveEdit() { return *liveEdit; }
    const LiveEditSession& getLiveEdit() const { return *liveEdit; }
    // What a transfer of this engine with a slot (index) needs: model byte, pacing and timeouts.
    PresetTransfer::Settings makeTransferSettings (std::uint8_t slotIndex) const;
    // What the user is told of a transfer that failed ("Slot 3: the MIDI device was disconnected").
    juce::String describeFailure (const PresetTransfer& transfer) const;
    // The same for a missing or lost port alone; empty for failures of other kinds.
    static juce::String describeLinkFailure (int slotNumber, PresetTransfer::Failure failure);
    // Tells the listeners of a MIDI error (their windows show the MIDI error alert).
    void notifyMidiError();

    // The preset dump and file.
    ByteArray buildDump (std::uint8_t slot) const;
    void applyDump (const ByteArray& dump);
    bool savePresetFile (const juce::File& file);
    bool loadPresetFile (const juce::File& file);
    bool loadPresetData (const ByteArray& data);
    juce::String getFileWildcard() const { return fileWildcard; }
    MidiManager& getMidiManager() const { return midiManager; }
    const Timing& getTiming() const { return timing; }
    int getDumpSize() const { return dumpSize; }
    int getPayloadSize() const { return OrbMiniProtocol::payloadSize (dumpSize); }

    // The payload holds the groups one after another in dump order: the fixed groups, then five
    // bytes for each knob, pad and switch from this offset on, then the MIDI-to-DIN flags.
    static constexpr int firstKnobOffset = OrbPresetName::numSlots + OrbKeybed::numSlots + OrbRollMode::numSlots
                                           + OrbMiniModel::numTransports * OrbTransport::numSlots + OrbWheels::numSlots
                                           + OrbSustain::numSlots;
    static constexpr int payloadSizeFor (int numKnobs, int numPads, int numSwitches)
    {
        return firstKnobOffset + OrbKnob::numSlots * numKnobs + OrbPad::numSlots * numPads
               + OrbSwitch::numSlots * numSwitches + OrbControlsToMidiDin::numSlots;
    }
    // An OrbMini preset's payload (305 bytes).
    static constexpr int orbMiniPayloadSize()
    {
        return payloadSizeFor (OrbMiniModel::numKnobs, OrbMiniModel::numPads, OrbMiniModel::numSwitches);
    }

    // Accessors for the views. Indexes out of range, and type codes with no group, do nothing.
    void addListenerToControl (Control::Listener* listener, ControlType type);
    void addListenerToControl (Control::Listener* listener, ControlType type, const std::uint8_t& index);
    void addListenerToTransport (Control::Listener* listener, ControlType type, const int& index);
    void removeListenerFromControl (Control::Listener* listener, ControlType type, const int& index);
    void setControlParameter (ControlType type, const juce::String& name, const std::uint8_t& value, bool notify);
    void setControlParameter (ControlType type, const std::uint8_t& index, const juce::String& name,
                              const std::uint8_t& value, bool notify);
    void setTransportParameter (ControlType type, const int& index, const juce::String& name, const std::uint8_t& value,
                                bool notify);
    std::uint8_t getParameterMinimum (ControlType type, const juce::String& name) const;
    std::uint8_t getParameterMaximum (ControlType type, const juce::String& name) const;

    // The group of a type at an instance index, or null.
    Control* getControl (ControlType type, int index = 0) const;
    int getNumControls (ControlType type) const;

private:
    void timerCallback() override;
    void setParameterOf (Control* group, ControlType type, int index, const juce::String& name, std::uint8_t value,
                         bool notify);

    MidiManager& midiManager;
    const std::uint8_t* modelByte;
    int dumpSize;
    std::map<ControlType, std::vector<std::unique_ptr<Control>>> groupsByType;
    std::vector<Control*> groupsInDumpOrder;
    juce::ListenerList<Listener> listeners;
    juce::ListenerList<TransferListener> transferListeners;
    juce::ListenerList<EditListener> editListeners;
    juce::String fileWildcard;
    Timing timing;

    // Transfer state (OrbEditorEngineTransfer.cpp), all on the message thread. A transfer ends on
    // the transfer thread; the token lets the news find out on the message thread whether its
    // engine still exists.
    struct LifeToken
    {};
    std::shared_ptr<PresetTransfer> startTransfer (TransferStatus::Kind kind, std::uint8_t slot);
    void transferEnded (const std::shared_ptr<PresetTransfer>& transfer);
    TransferStatus makeStatus (const PresetTransfer& transfer) const;
    void reportStatus (TransferStatus status, bool onlyIfChanged = false);
    std::uint8_t currentModelByte() const;
    std::shared_ptr<LifeToken> lifeToken { std::make_shared<LifeToken>() };
    std::shared_ptr<PresetTransfer> runningGet, runningSend;
    TransferStatus lastGetStatus, lastSendStatus { TransferStatus::Kind::send };
    std::unique_ptr<LiveEditSession> liveEdit;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OrbEditorEngine)
};
