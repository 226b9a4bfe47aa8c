#include "views/SwitchControlView.h"

#include "model/ControlType.h"

SwitchControlView::SwitchControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : ModeControlView (std::move (engineToUse), ControlType::switches, (int) index)
{}

SwitchControlView::~SwitchControlView() = default;
