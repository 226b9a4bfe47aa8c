#include "views/PadControlView.h"

#include "model/ControlType.h"

PadControlView::PadControlView (OrbEditorEngine::Ptr engineToUse, std::uint32_t index)
    : ModeControlView (std::move (engineToUse), padType, (int) index)
{
}

PadControlView::~PadControlView() = default;
