#include "app/SendPresetComponent.h"

SendPresetComponent::SendPresetComponent (juce::Button::Listener* listener) : PresetSlotComponent ("Send", listener) {}
