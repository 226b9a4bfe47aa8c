#include "views/SustainControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

SustainControlView::SustainControlView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Sustain Pedal", 70, 20, 18.0f));
    addAndMakeVisible (title.get());

    for (const auto& shown : PresetPresentation::findSection (ControlType::sustain)->parameters)
        widgets.add (new SingleParameterControllerNumberBox (engine, shown.name, ControlType::sustain,
                                                             shown.shownMinimum, shown.shownMaximum, shown.offset));

    VerticalStack::placeBelowTitle (*this, *title, { widgets.begin(), widgets.size() }, 22);
}

SustainControlView::~SustainControlView() = default;
