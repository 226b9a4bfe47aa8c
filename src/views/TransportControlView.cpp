#include "views/TransportControlView.h"

#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "views/VerticalStack.h"
#include "views/ViewTitle.h"

TransportControlView::TransportControlView (OrbEditorEngine::Ptr engine, const int& buttonIndex,
                                            const juce::String& name)
{
    setSize (300, 200);

    title.reset (ViewTitle::create (name, 70, 20, 18.0f));
    addAndMakeVisible (title.get());
    settingsMenu = std::make_unique<ControlSettingsMenu> (*title, engine, ControlType::transport, buttonIndex);

    const auto& function = PresetPresentation::getParameter (ControlType::transport, "Function");
    const auto& cc = PresetPresentation::getParameter (ControlType::transport, "CC");
    functionSelector =
        std::make_unique<TransportControllerComboBox> (engine, "Function", buttonIndex, function.entries);
    ccBox =
        std::make_unique<TransportControllerNumberBox> (engine, "CC", buttonIndex, cc.shownMinimum, cc.shownMaximum);

    VerticalStack::placeBelowTitle (*this, *title, { functionSelector.get(), ccBox.get() }, 22);
}

TransportControlView::~TransportControlView() = default;
