#include "app/GetPresetComponent.h"

GetPresetComponent::GetPresetComponent (juce::Button::Listener* listener) : PresetSlotComponent ("Get", listener)
{
    slotSelector->setValue (0);
}
