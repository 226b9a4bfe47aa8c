#pragma once

#include "app/PresetSlotComponent.h"

// The content of the send dialog: the slot list with "Send" and "Cancel".
class SendPresetComponent : public PresetSlotComponent
{
public:
    explicit SendPresetComponent (juce::Button::Listener* listener);
};
