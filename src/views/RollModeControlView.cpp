#include "views/RollModeControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

RollModeControlView::RollModeControlView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Roll Mode", 60, 20, 18.0f));
    addAndMakeVisible (title.get());

    const auto entriesOf = [] (const char* name) {
        return PresetPresentation::getParameter (ControlType::rollMode, name).entries;
    };
    const auto numberBox = [this] (const char* name) {
        const auto& shown = PresetPresentation::getParameter (ControlType::rollMode, name);
        return new SingleParameterControllerNumberBox (engine, name, ControlType::rollMode, shown.shownMinimum,
                                                       shown.shownMaximum, shown.offset);
    };

    function = std::make_unique<SingleParameterControllerComboBox> (engine, "Function", ControlType::rollMode,
                                                                    entriesOf ("Function"), nullptr);
    timeDivision = std::make_unique<SingleParameterControllerComboBox> (engine, "Time Div", ControlType::rollMode,
                                                                        entriesOf ("Time Div"), nullptr);
    numberControllers.add (numberBox ("Gate"));
    numberControllers.add (numberBox ("Swing"));

    VerticalStack::placeBelowTitle (
        *this, *title,
        { function.get(), timeDivision.get(), numberControllers.getUnchecked (0), numberControllers.getUnchecked (1) },
        20);
}

RollModeControlView::~RollModeControlView() = default;
