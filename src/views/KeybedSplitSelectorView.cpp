#include "views/KeybedSplitSelectorView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/KeybedControlView.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

KeybedSplitSelectorView::KeybedSplitSelectorView (OrbEditorEngine::Ptr engineToUse, KeybedControlView* ownerView)
    : engine (std::move (engineToUse)), owner (ownerView)
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Split Keyboard", 70, 20, 20.0f));
    addAndMakeVisible (title.get());

    splitMode = std::make_unique<SingleParameterControllerComboBox> (
        engine, "Split Mode", ControlType::keybed,
        PresetPresentation::getParameter (ControlType::keybed, "Split Mode").entries, this);

    // The split point is shown from 1 (for this model 1 to 25, stored 0 to 24).
    const auto* group = engine != nullptr ? engine->getControl (ControlType::keybed) : nullptr;
    const auto& splitPoint = PresetPresentation::getParameter (ControlType::keybed, "Split Point");
    numberControllers.add (new SingleParameterControllerNumberBox (
        engine, "Split Point", ControlType::keybed, splitPoint.getShownMinimum (group),
        splitPoint.getShownMaximum (group), splitPoint.offset));

    VerticalStack::placeBelowTitle (*this, *title, { splitMode.get(), numberControllers.getUnchecked (0) }, 22);
}

KeybedSplitSelectorView::~KeybedSplitSelectorView()
{
    if (splitMode != nullptr)
        splitMode->getComboBox().removeListener (this);
}

void KeybedSplitSelectorView::comboBoxChanged (juce::ComboBox* box)
{
    if (splitMode == nullptr || box != &splitMode->getComboBox())
        return;

    const bool split = box->getText() != "Off";

    if (owner != nullptr)
        owner->setSplitKeyboard (split);
}
