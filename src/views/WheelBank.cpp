#include "views/WheelBank.h"

WheelBank::WheelBank (OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    auto* modWheel = new ModWheelView (engine);
    auto* pitchWheel = new PitchWheelView (engine);
    addItems ({ modWheel, pitchWheel });
    setItemsPerBank (2);
    setSize (1200, 200);
}

WheelBank::~WheelBank() = default;
