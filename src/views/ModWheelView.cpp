#include "views/ModWheelView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"
#include "views/WheelChannelSelector.h"

ModWheelView::ModWheelView (OrbEditorEngine::Ptr engineToUse) : engine (std::move (engineToUse))
{
    setSize (300, 200);

    title.reset (ViewTitle::create ("Mod Wheel", 70, 20, 18.0f));
    addAndMakeVisible (title.get());

    channelSelector = WheelChannelSelector::create (engine, "Mod Wheel");

    const auto makeBox = [this] (const char* caption) {
        const auto& shown =
            PresetPresentation::getParameter (ControlType::wheels, juce::String ("Mod Wheel ") + caption);
        auto box = std::make_unique<SingleParameterControllerNumberBox> (
            engine, caption, ControlType::wheels, shown.shownMinimum, shown.shownMaximum, shown.offset);
        box->rebind (shown.name);
        return box;
    };

    ccBox = makeBox ("CC");
    minimumBox = makeBox ("Min");
    maximumBox = makeBox ("Max");

    const int y = VerticalStack::placeBelowTitle (
        *this, *title, { channelSelector.get(), ccBox.get(), minimumBox.get(), maximumBox.get() }, 18);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Mod Wheel Midi To DIN");
    addAndMakeVisible (midiToDinButton.get());
    midiToDinButton->setBounds (100, y, 100, 12);
}

ModWheelView::~ModWheelView() = default;
