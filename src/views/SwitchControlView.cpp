#include "views/SwitchControlView.h"

#include "model/ControlType.h"

SwitchControlView::SwitchControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : ModeControlView (std::move (engineToUse), switchType, (int) index)
{
}

SwitchControlView::~SwitchControlView() = default;
