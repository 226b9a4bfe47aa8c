#include "midi/ControlSettingsClipboard.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

ControlSettingsClipboard& ControlSettingsClipboard::getInstance()
{
    static ControlSettingsClipboard clipboard;
    return clipboard;
}

bool ControlSettingsClipboard::isCopyable (int type)
{
    return type == knobType || type == padType || type == switchType || type == transportType;
}

juce::String ControlSettingsClipboard::getInstanceTitle (int type, int index)
{
    auto* section = PresetPresentation::findSection (type);
    return section != nullptr ? section->getInstanceTitle (index) : juce::String();
}

juce::String ControlSettingsClipboard::getPluralName (int type)
{
    switch (type)
    {
        case knobType:      return "Knobs";
        case padType:       return "Pads";
        case switchType:    return "Switches";
        case transportType: return "Transport Buttons";
        default:            return {};
    }
}

void ControlSettingsClipboard::copy (const OrbEditorEngine& engine, int type, int index)
{
    auto* group = engine.getControl (type, index);

    if (group == nullptr || ! isCopyable (type))
        return;

    copiedType = type;
    copiedIndex = index;
    copied = group->getValues();
}

void ControlSettingsClipboard::clear()
{
    copiedType = -1;
    copied.clear();
}

juce::String ControlSettingsClipboard::getCopiedTitle() const
{
    return copiedType >= 0 ? getInstanceTitle (copiedType, copiedIndex) : juce::String();
}

bool ControlSettingsClipboard::store (OrbEditorEngine& engine, int index, const Control::ValueArray& values) const
{
    auto* group = engine.getControl (copiedType, index);

    if (group == nullptr)
        return false;

    // Only a group that changes tells its widgets: a paste onto equal settings is no edit.
    if (group->getValues() == values)
        return false;

    group->setValues (values);
    return true;
}

bool ControlSettingsClipboard::pasteTo (OrbEditorEngine& engine, int index) const
{
    if (copiedType < 0 || engine.getControl (copiedType, index) == nullptr)
        return false;

    if (store (engine, index, copied))
        engine.announceEdit ("Paste to " + getInstanceTitle (copiedType, index));

    return true;
}

bool ControlSettingsClipboard::pasteToAll (OrbEditorEngine& engine) const
{
    if (copiedType < 0)
        return false;

    bool changed = false;

    for (int i = 0; i < engine.getNumControls (copiedType); ++i)
        changed = store (engine, i, copied) || changed;

    if (changed)
        engine.announceEdit ("Paste to All " + getPluralName (copiedType));

    return true;
}

bool ControlSettingsClipboard::pasteToAllPadsNotesAscending (OrbEditorEngine& engine) const
{
    if (copiedType != padType)
        return false;

    auto* first = engine.getControl (padType, 0);

    if (first == nullptr)
        return false;

    const auto noteSlot = first->getParameterIndex ("Note");
    bool changed = false;

    for (int i = 0; i < engine.getNumControls (padType); ++i)
    {
        auto values = copied;
        values.set (noteSlot, (std::uint8_t) juce::jmin (127, (int) copied[noteSlot] + i));
        changed = store (engine, i, values) || changed;
    }

    if (changed)
        engine.announceEdit ("Paste to All Pads, Notes Ascending");

    return true;
}
