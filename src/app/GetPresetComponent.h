#pragma once

#include "app/PresetSlotComponent.h"

// The content of the get dialog: the slot list with "Get" and "Cancel".
class GetPresetComponent : public PresetSlotComponent
{
public:
    explicit GetPresetComponent (juce::Button::Listener* listener);
};
