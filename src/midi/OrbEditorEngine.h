#pragma once

#include "midi/MidiManager.h"
#include "model/Control.h"

#include <juce_events/juce_events.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// One preset and everything that moves it: the window's control groups, the preset dump and
// file, and the value-by-value exchange with the device over the shared port manager.
// Always held through a counted reference (Ptr).
class OrbEditorEngine : public juce::ReferenceCountedObject,
                        private juce::Timer,
                        public MidiManager::MidiManagerListener
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

    // Pacing and reply timeout of the device protocol; tests may shorten them.
    struct Timing
    {
        int requestPacingMs = 3;
        int writePacingMs = 8;
        int replyTimeoutMs = 2000;
    };

    OrbEditorEngine (const std::uint8_t* modelByte, MidiManager& midiManager, const juce::String& fileWildcard,
                     std::uint8_t highestSplitPoint, std::uint8_t octaveMaximum,
                     int numKnobs, int numPads, int numSwitches);
    OrbEditorEngine (const std::uint8_t* modelByte, MidiManager& midiManager, const juce::String& fileWildcard,
                     std::uint8_t highestSplitPoint, std::uint8_t octaveMaximum,
                     int numKnobs, int numPads, int numSwitches, Timing timing);
    ~OrbEditorEngine() override;

    // An engine for the OrbMini itself, with its model byte, control counts and file pattern.
    static Ptr createForOrbMini (MidiManager& midiManager);
    static Ptr createForOrbMini (MidiManager& midiManager, Timing timing);

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    // Transfers with the device.
    void getPreset (std::uint8_t slot);
    bool sendPreset (const std::uint8_t& slot);
    void setSyncMode (bool external);
    bool isGetting() const;

    // The preset dump and file.
    ByteArray buildDump (std::uint8_t slot) const;
    void applyDump (const ByteArray& dump);
    bool savePresetFile (const juce::File& file);
    bool loadPresetFile (const juce::File& file);
    bool loadPresetData (const ByteArray& data);
    juce::String getFileWildcard() const { return fileWildcard; }
    int getDumpSize() const { return dumpSize; }
    int getPayloadSize() const { return dumpSize - 11; }

    // Accessors for the views. Indexes out of range, and type codes with no group, do nothing.
    void addListenerToControl (Control::Listener* listener, const int& type);
    void addListenerToControl (Control::Listener* listener, const int& type, const std::uint8_t& index);
    void addListenerToTransport (Control::Listener* listener, const int& type, const int& index);
    void removeListenerFromControl (Control::Listener* listener, const int& type, const int& index);
    void setControlParameter (const int& type, const juce::String& name, const std::uint8_t& value, bool notify);
    void setControlParameter (const int& type, const std::uint8_t& index, const juce::String& name,
                              const std::uint8_t& value, bool notify);
    void setTransportParameter (const int& type, const int& index, const juce::String& name,
                                const std::uint8_t& value, bool notify);
    std::uint8_t getParameterMinimum (const int& type, const juce::String& name) const;
    std::uint8_t getParameterMaximum (const int& type, const juce::String& name) const;

    // The group of a type at an instance index, or null.
    Control* getControl (int type, int index = 0) const;
    int getNumControls (int type) const;

private:
    void timerCallback() override;
    void handleMidiMessage (const juce::MidiMessage& message) override;

    MidiManager& midiManager;
    const std::uint8_t* modelByte;
    int retryCount = 0;
    int dumpSize;
    std::uint8_t slot = 0;
    std::map<int, std::vector<std::unique_ptr<Control>>> groupsByType;
    juce::ListenerList<Listener> listeners;
    ByteArray receiveBuffer;
    int receivedCount = 0;
    juce::String fileWildcard;
    Timing timing;

    // Transfer state (OrbEditorEngineTransfer.cpp). Replies arrive on the MIDI input thread and
    // are handed to the message thread; the token lets a queued reply find out on the message
    // thread whether its engine still exists.
    struct ReplyToken {};
    void requestAllValues();
    void handleReply (const juce::MidiMessage& message);
    void notifyMidiError();
    std::shared_ptr<ReplyToken> replyToken { std::make_shared<ReplyToken>() };
    std::vector<bool> answeredThisPass;
    bool getting = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OrbEditorEngine)
};
