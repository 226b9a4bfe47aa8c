#pragma once

#include "app/PresetSlotComponent.h"

// The content of the live edit dialog: the slot list with "Start" and "Cancel".
class LiveEditSlotComponent : public PresetSlotComponent
{
public:
    explicit LiveEditSlotComponent (juce::Button::Listener* listener);
};
