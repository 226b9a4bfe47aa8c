#include "views/RollModeControlView.h"

#include "model/ControlType.h"
#include "views/ViewTitle.h"

RollModeControlView::RollModeControlView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Roll Mode", 60, 20, 18.0f));
    addAndMakeVisible (title.get());

    function = std::make_unique<SingleParameterControllerComboBox> (engine, "Function", rollModeType,
                                                                    juce::StringArray { "Toggle", "Momentary" }, nullptr);
    timeDivision = std::make_unique<SingleParameterControllerComboBox> (
        engine, "Time Div", rollModeType,
        juce::StringArray { "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }, nullptr);
    numberControllers.add (new SingleParameterControllerNumberBox (engine, "Gate", rollModeType, 1, 99, 1));
    numberControllers.add (new SingleParameterControllerNumberBox (engine, "Swing", rollModeType, 50, 75, 50));

    int y = title->getHeight() + 10;

    for (juce::Component* widget : { static_cast<juce::Component*> (function.get()),
                                     static_cast<juce::Component*> (timeDivision.get()),
                                     static_cast<juce::Component*> (numberControllers.getUnchecked (0)),
                                     static_cast<juce::Component*> (numberControllers.getUnchecked (1)) })
    {
        widget->setBounds (0, y, 200, 20);
        addAndMakeVisible (widget);
        y += widget->getHeight() + 5;
    }
}

RollModeControlView::~RollModeControlView() = default;
