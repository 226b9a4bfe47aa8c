#include "app/LiveEditSlotComponent.h"

LiveEditSlotComponent::LiveEditSlotComponent (juce::Button::Listener* listener)
    : PresetSlotComponent ("Start", listener)
{}
