#include "views/SustainControlView.h"

#include "model/ControlType.h"
#include "views/ViewTitle.h"

SustainControlView::SustainControlView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Sustain Pedal", 70, 20, 18.0f));
    addAndMakeVisible (title.get());

    widgets.add (new SingleParameterControllerNumberBox (engine, "MIDI Channel", sustainType, 1, 16, 1));
    widgets.add (new SingleParameterControllerNumberBox (engine, "CC", sustainType, 0, 127, 0));
    widgets.add (new SingleParameterControllerNumberBox (engine, "Pressed", sustainType, 0, 127, 0));
    widgets.add (new SingleParameterControllerNumberBox (engine, "Released", sustainType, 0, 127, 0));

    int y = title->getHeight() + 10;

    for (auto* widget : widgets)
    {
        widget->setBounds (0, y, 200, 22);
        addAndMakeVisible (widget);
        y += widget->getHeight() + 5;
    }
}

SustainControlView::~SustainControlView() = default;
