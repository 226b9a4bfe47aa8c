#include "widgets/ParameterUpdater.h"

#include "widgets/UIParameterInterface.h"

const ParameterUpdater* ParameterUpdater::announcingEditor = nullptr;

ParameterUpdater::~ParameterUpdater()
{
    if (announcingEditor == this)
        announcingEditor = nullptr;
}

void ParameterUpdater::showNotifiedValue (UIParameterInterface& widget, const juce::String& boundName,
                                          int displayOffset, const juce::String& name, int value) const
{
    if (name != boundName || announcingEditor == this)
        return;

    widget.setValue (value + displayOffset);
}

void ParameterUpdater::storeWidgetValue (Control* group, UIParameterInterface& widget, const juce::String& boundName,
                                         int displayOffset, int shownValue,
                                         const std::function<void (std::uint8_t)>& store)
{
    // A widget following an announced edit reports the value it was just given: already stored.
    if (announcingEditor != nullptr)
        return;

    const auto requested = toStoredValue (shownValue, displayOffset);

    if (group == nullptr)
    {
        store (requested);
        return;
    }

    const auto before = group->getParameterValue (boundName);
    store (requested);
    const auto stored = group->getParameterValue (boundName);

    if (stored != requested)
    {
        // Refused by the group: show what the preset holds instead. The widget may report the
        // value back, which stores the same byte and ends there.
        widget.setValue ((int) stored + displayOffset);
        return;
    }

    if (stored == before)
        return;

    const auto slot = group->getParameterIndex (boundName);

    if (slot < 0)
        return;

    announcingEditor = this;

    // Every name of the slot is re-announced with notification, as a preset load does; names whose
    // range refuses the byte store nothing and are still announced.
    const auto names = group->getParameterNames();

    for (const auto& name : names)
        if (group->getParameterIndex (name) == slot)
            group->setParameterValue (name, stored, true);

    announcingEditor = nullptr;
}

void ParameterUpdater::showStoredValue (Control* group, UIParameterInterface& widget, const juce::String& boundName,
                                        int displayOffset)
{
    if (group != nullptr)
        widget.setValue ((int) group->getParameterValue (boundName) + displayOffset);
}
