#include "views/SwitchBank.h"

SwitchBank::SwitchBank (int numSwitches, OrbEditorEngine::Ptr engine)
    : MidiToDinBank (
        engine, numSwitches, [&engine] (int i) { return new SwitchControlView (engine, (std::uint8_t) i); }, 4,
        "Switches Midi To DIN", 272)
{}

SwitchBank::~SwitchBank() = default;
