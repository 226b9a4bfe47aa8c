#include "midi/ControlSettingsClipboard.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

ControlSettingsClipboard& ControlSettingsClipboard::getInstance()
{
    static ControlSettingsClipboard clipboard;
    return clipboard;
}

bool ControlSettingsClipboard::isCopyable (ControlType type)
{
    return type == ControlType::knobs || type == ControlType::pads || type == ControlType::switches
           || type == ControlType::transport;
}

juce::String ControlSettingsClipboard::getInstanceTitle (ControlType type, int index)
{
    auto* section = PresetPresentation::findSection (type);
    return section != nullptr ? section->getInstanceTitle (index) : juce::String();
}

juce::String ControlSettingsClipboard::getPluralName (ControlType type)
{
    switch (type)
    {
        case ControlType::knobs: return "Knobs";
        case ControlType::pads: return "Pads";
        case ControlType::switches: return "Switches";
        case ControlType::transport: return "Transport Buttons";
        default: return {};
    }
}

void ControlSettingsClipboard::copy (const OrbEditorEngine& engine, ControlType type, int index)
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
    copiedType.reset();
    copied.clear();
}

juce::String ControlSettingsClipboard::getCopiedTitle() const
{
    return copiedType ? getInstanceTitle (*copiedType, copiedIndex) : juce::String();
}

bool ControlSettingsClipboard::store (OrbEditorEngine& engine, int index, const Control::ValueArray& values) const
{
    auto* group = engine.getControl (*copiedType, index);

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
    if (! copiedType || engine.getControl (*copiedType, index) == nullptr)
        return false;

    if (store (engine, index, copied))
        engine.announceEdit ("Paste to " + getInstanceTitle (*copiedType, index));

    return true;
}

bool ControlSettingsClipboard::pasteToAll (OrbEditorEngine& engine) const
{
    if (! copiedType)
        return false;

    bool changed = false;

    for (int i = 0; i < engine.getNumControls (*copiedType); ++i)
        changed = store (engine, i, copied) || changed;

    if (changed)
        engine.announceEdit ("Paste to All " + getPluralName (*copiedType));

    return true;
}

bool ControlSettingsClipboard::pasteToAllPadsNotesAscending (OrbEditorEngine& engine) const
{
    if (copiedType != ControlType::pads)
        return false;

    auto* first = engine.getControl (ControlType::pads, 0);

    if (first == nullptr)
        return false;

    const auto noteSlot = first->getParameterIndex ("Note");
    bool changed = false;

    for (int i = 0; i < engine.getNumControls (ControlType::pads); ++i)
    {
        auto values = copied;
        values.set (noteSlot, (std::uint8_t) juce::jmin (127, (int) copied[noteSlot] + i));
        changed = store (engine, i, values) || changed;
    }

    if (changed)
        engine.announceEdit ("Paste to All Pads, Notes Ascending");

    return true;
}
