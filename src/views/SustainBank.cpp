#include "views/SustainBank.h"

SustainBank::SustainBank (OrbEditorEngine::Ptr engine)
    : MidiToDinBank (
        engine, 1, [&engine] (int) { return new SustainControlView (engine); }, 1, "Sustain Midi To DIN", 1065)
{}

SustainBank::~SustainBank() = default;
