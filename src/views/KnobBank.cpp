#include "views/KnobBank.h"

KnobBank::KnobBank (int numKnobs, OrbEditorEngine::Ptr engine)
    : MidiToDinBank (
        engine, numKnobs, [&engine] (int i) { return new KnobControlView (engine, (std::uint8_t) i); }, 4,
        "Knobs Midi To DIN", 140)
{}

KnobBank::~KnobBank() = default;
