#include "views/PadControlView.h"

#include "model/ControlType.h"

PadControlView::PadControlView (OrbEditorEngine::Ptr engineToUse, std::uint32_t index)
    : ModeControlView (std::move (engineToUse), ControlType::pads, (int) index)
{}

PadControlView::~PadControlView() = default;
