#include "views/KnobControlView.h"

#include "model/ControlType.h"

KnobControlView::KnobControlView (OrbEditorEngine::Ptr engineToUse, std::uint8_t index)
    : ModeControlView (std::move (engineToUse), ControlType::knobs, (int) index)
{}

KnobControlView::~KnobControlView() = default;
