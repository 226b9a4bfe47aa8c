#include "views/PadBank.h"

PadBank::PadBank (int numPads, OrbEditorEngine::Ptr engine)
    : MidiToDinBank (
        engine, numPads, [&engine] (int i) { return new PadControlView (engine, (std::uint32_t) i); }, 4,
        "Pads Midi To DIN", 405)
{}

PadBank::~PadBank() = default;
