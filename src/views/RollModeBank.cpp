#include "views/RollModeBank.h"

RollModeBank::RollModeBank (OrbEditorEngine::Ptr engine) : BankView ({}, true)
{
    addItems ({ new RollModeControlView (engine) });
    setItemsPerBank (1);
    setSize (1200, 200);
}

RollModeBank::~RollModeBank() = default;
