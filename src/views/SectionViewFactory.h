#pragma once

#include "midi/OrbEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The section view of a view index, as the editor component lists them:
//   0 MainSectionView, 1 KnobBank (knobs), 2 SwitchBank (switches), 3 PadBank (pads), 4 RollModeBank,
//   5 TransportBank, 6 KeybedControlView, 7 WheelBank, 8 SustainBank.
// Null for an index outside 0 to 8.
std::unique_ptr<juce::Component> createSectionView (int viewIndex, OrbEditorEngine::Ptr engine, int numKnobs,
                                                    int numPads, int numSwitches);
