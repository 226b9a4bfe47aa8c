#include "views/TransportBank.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"

TransportBank::TransportBank (OrbEditorEngine::Ptr engine)
    : MidiToDinBank (
        engine, numButtons,
        [&engine] (int i) {
            return new TransportControlView (
                engine, i, PresetPresentation::findSection (ControlType::transport)->getInstanceTitle (i));
        },
        4, "Transport Midi To DIN", 670)
{}

TransportBank::~TransportBank() = default;
