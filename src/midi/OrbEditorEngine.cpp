#include "midi/OrbEditorEngine.h"

#include "midi/LiveEditSession.h"
#include "midi/OrbMiniProtocol.h"
#include "model/ControlType.h"
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
#include "model/PresetPresentation.h"

namespace
{
constexpr int headerSize = OrbMiniProtocol::frameHeaderSize;

// A dump the preset may be loaded from: the right size, and a payload that a System Exclusive
// message could carry (7-bit bytes only). The frame bytes are not examined.
bool isLoadableDump (const OrbEditorEngine::ByteArray& dump, int dumpSize)
{
    if (dump.size() != dumpSize)
        return false;

    for (int i = headerSize; i < dumpSize - 1; ++i)
        if (dump.getUnchecked (i) > 0x7F)
            return false;

    return true;
}
} // namespace

OrbEditorEngine::OrbEditorEngine (const std::uint8_t* model, MidiManager& manager, const juce::String& wildcard,
                                  std::uint8_t splitMax, std::uint8_t octaveMax, int numKnobs, int numPads,
                                  int numSwitches)
    : OrbEditorEngine (model, manager, wildcard, splitMax, octaveMax, numKnobs, numPads, numSwitches, Timing {})
{}

OrbEditorEngine::Ptr OrbEditorEngine::createForOrbMini (MidiManager& manager)
{
    return createForOrbMini (manager, Timing {});
}

OrbEditorEngine::Ptr OrbEditorEngine::createForOrbMini (MidiManager& manager, Timing t)
{
    return new OrbEditorEngine (&OrbMiniModel::modelByte, manager, OrbMiniModel::presetWildcard,
                                (std::uint8_t) (OrbMiniModel::numKeys - 1), OrbMiniModel::octaveMaximum,
                                OrbMiniModel::numKnobs, OrbMiniModel::numPads, OrbMiniModel::numSwitches, t);
}

OrbEditorEngine::OrbEditorEngine (const std::uint8_t* model, MidiManager& manager, const juce::String& wildcard,
                                  std::uint8_t splitMax, std::uint8_t octaveMax, int numKnobs, int numPads,
                                  int numSwitches, Timing t)
    : midiManager (manager), modelByte (model),
      dumpSize (OrbMiniProtocol::dumpSize (payloadSizeFor (numKnobs, numPads, numSwitches))), fileWildcard (wildcard),
      timing (t)
{
    // Each group starts where the one before it in the dump ends.
    int offset = 0;
    const auto add = [this, &offset] (ControlType type, Control* group) {
        offset += group->getNumSlots();
        groupsInDumpOrder.push_back (group);
        groupsByType[type].emplace_back (group);
    };

    add (ControlType::presetName, new OrbPresetName());
    add (ControlType::keybed, new OrbKeybed (offset, splitMax, octaveMax));
    add (ControlType::rollMode, new OrbRollMode (offset));

    for (int i = 0; i < OrbMiniModel::numTransports; ++i)
        add (ControlType::transport, new OrbTransport (offset));

    add (ControlType::wheels, new OrbWheels (offset));
    add (ControlType::sustain, new OrbSustain (offset));

    for (int i = 0; i < numKnobs; ++i)
        add (ControlType::knobs, new OrbKnob (offset));

    for (int i = 0; i < numPads; ++i)
        add (ControlType::pads, new OrbPad (offset));

    for (int i = 0; i < numSwitches; ++i)
        add (ControlType::switches, new OrbSwitch (offset));

    add (ControlType::controlsToMidiDin, new OrbControlsToMidiDin (offset));
    jassert (offset == OrbMiniProtocol::payloadSize (dumpSize));

    liveEdit = std::make_unique<LiveEditSession> (*this);
}

OrbEditorEngine::~OrbEditorEngine()
{
    stopTimer();
    cancelTransfers();
    liveEdit.reset();
}

void OrbEditorEngine::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void OrbEditorEngine::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

//==============================================================================
OrbEditorEngine::ByteArray OrbEditorEngine::buildDump (std::uint8_t slotIndex) const
{
    ByteArray dump;
    dump.ensureStorageAllocated (dumpSize);

    for (auto b : OrbMiniProtocol::header)
        dump.add (b);

    dump.add (currentModelByte());

    for (auto b : OrbMiniProtocol::dumpCommand)
        dump.add (b);

    dump.add (slotIndex);

    for (auto* group : groupsInDumpOrder)
        dump.addArray (group->getValues());

    dump.add (OrbMiniProtocol::endByte);
    return dump;
}

void OrbEditorEngine::applyDump (const ByteArray& dump)
{
    // Header, slot and terminator are not examined.
    ByteArray payload;

    if (dump.size() > headerSize + 1)
        payload.addArray (dump, headerSize, dump.size() - headerSize - 1);

    for (auto& [type, groups] : groupsByType)
        for (auto& group : groups)
            group->loadFromDump (payload);

    // A load, an undo or a redo is one more change for live editing to write.
    if (liveEdit != nullptr)
        liveEdit->presetChanged();
}

bool OrbEditorEngine::savePresetFile (const juce::File& file)
{
    if (file == juce::File() || file.isDirectory())
        return false;

    const auto dump = buildDump (0);

    // Written beside the target and moved over it only once complete, so that a failed write
    // leaves the file that was there before.
    juce::TemporaryFile temporary (file, juce::TemporaryFile::useHiddenFile);

    {
        // Unbuffered, so that a short write shows in write()'s result.
        juce::FileOutputStream out (temporary.getFile(), 0);

        if (! out.openedOk() || ! out.write (dump.getRawDataPointer(), (size_t) dump.size()))
            return false;

        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    if (temporary.getFile().getSize() != dump.size())
        return false;

    return temporary.overwriteTargetFileWithTemporary();
}

bool OrbEditorEngine::loadPresetFile (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() != dumpSize)
        return false;

    juce::FileInputStream in (file);

    if (in.failedToOpen())
        return false;

    // Read one byte more than expected: a file that grew since its size was taken is refused.
    const auto wanted = dumpSize + 1;
    juce::HeapBlock<std::uint8_t> buffer ((size_t) wanted);
    int bytesRead = 0;

    while (bytesRead < wanted)
    {
        const auto n = in.read (buffer.get() + bytesRead, wanted - bytesRead);

        if (n <= 0)
            break;

        bytesRead += n;
    }

    if (bytesRead != dumpSize)
        return false;

    return loadPresetData (ByteArray (buffer.get(), dumpSize));
}

bool OrbEditorEngine::loadPresetData (const ByteArray& data)
{
    if (! isLoadableDump (data, dumpSize))
        return false;

    applyDump (ByteArray (data));
    return true;
}

//==============================================================================
Control* OrbEditorEngine::getControl (ControlType type, int index) const
{
    const auto found = groupsByType.find (type);

    if (found == groupsByType.end() || ! juce::isPositiveAndBelow (index, (int) found->second.size()))
        return nullptr;

    return found->second[(size_t) index].get();
}

int OrbEditorEngine::getNumControls (ControlType type) const
{
    const auto found = groupsByType.find (type);
    return found == groupsByType.end() ? 0 : (int) found->second.size();
}

void OrbEditorEngine::addListenerToControl (Control::Listener* listener, ControlType type)
{
    if (auto* group = getControl (type))
        group->addListener (listener);
}

void OrbEditorEngine::addListenerToControl (Control::Listener* listener, ControlType type, const std::uint8_t& index)
{
    if (auto* group = getControl (type, index))
        group->addListener (listener);
}

void OrbEditorEngine::addListenerToTransport (Control::Listener* listener, ControlType type, const int& index)
{
    if (type != ControlType::transport)
        return;

    if (auto* group = getControl (type, index))
        group->addListener (listener);
}

void OrbEditorEngine::removeListenerFromControl (Control::Listener* listener, ControlType type, const int& index)
{
    if (auto* group = getControl (type, index))
        group->removeListener (listener);
}

void OrbEditorEngine::setControlParameter (ControlType type, const juce::String& name, const std::uint8_t& value,
                                           bool notify)
{
    setParameterOf (getControl (type), type, 0, name, value, notify);
}

void OrbEditorEngine::setControlParameter (ControlType type, const std::uint8_t& index, const juce::String& name,
                                           const std::uint8_t& value, bool notify)
{
    setParameterOf (getControl (type, index), type, index, name, value, notify);
}

void OrbEditorEngine::setTransportParameter (ControlType type, const int& index, const juce::String& name,
                                             const std::uint8_t& value, bool notify)
{
    if (type == ControlType::transport)
        setParameterOf (getControl (type, index), type, index, name, value, notify);
}

void OrbEditorEngine::setParameterOf (Control* group, ControlType type, int index, const juce::String& name,
                                      std::uint8_t value, bool notify)
{
    if (group == nullptr)
        return;

    const auto before = group->getParameterValue (name);
    group->setParameterValue (name, value, notify);

    // A refused value, or the same value again, is no edit.
    if (group->getParameterValue (name) != before)
        announceEdit (PresetPresentation::describeParameter (type, index, name));
}

void OrbEditorEngine::addEditListener (EditListener* listener)
{
    editListeners.add (listener);
}

void OrbEditorEngine::removeEditListener (EditListener* listener)
{
    editListeners.remove (listener);
}

void OrbEditorEngine::announceEdit (const juce::String& stepName)
{
    editListeners.call ([&stepName] (EditListener& l) { l.presetEdited (stepName); });

    if (liveEdit != nullptr)
        liveEdit->presetChanged();
}

std::uint8_t OrbEditorEngine::getParameterMinimum (ControlType type, const juce::String& name) const
{
    auto* group = getControl (type);
    return group != nullptr ? group->getMinimum (name) : std::uint8_t {};
}

std::uint8_t OrbEditorEngine::getParameterMaximum (ControlType type, const juce::String& name) const
{
    auto* group = getControl (type);
    return group != nullptr ? group->getMaximum (name) : std::uint8_t {};
}
