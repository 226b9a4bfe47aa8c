#include "views/KeybedControlView.h"

#include "views/ArtworkImages.h"

KeybedControlView::KeybedControlView (OrbEditorEngine::Ptr engine)
{
    setSize (1200, 300);

    splitSelector = std::make_unique<KeybedSplitSelectorView> (engine, this);
    addAndMakeVisible (splitSelector.get());
    splitSelector->setBounds (40, 10, 200, 300);

    divider.setImage (ArtworkImages::get (ArtworkImages::keybedDivider));
    divider.setBounds (splitSelector->getRight() + 10, 15, 3, 191);
    addAndMakeVisible (divider);

    for (auto* name : { "Keybed", "Lower Keybed", "Upper Keybed" })
        zonePanels.add (new KeybedParameterView (engine, name));

    auto* whole = zonePanels.getUnchecked (0);
    auto* lower = zonePanels.getUnchecked (1);
    auto* upper = zonePanels.getUnchecked (2);

    whole->setBounds (divider.getRight() + 5, 10, 300, 200);
    lower->setBounds (divider.getRight() + 5, 10, 300, 200);
    upper->setBounds (lower->getRight() + 5, 15, 300, 200);

    for (auto* panel : zonePanels)
        addChildComponent (panel);
}

KeybedControlView::~KeybedControlView()
{
    // The selector points back at this view: let it go before the panels it switches.
    splitSelector.reset();
}

void KeybedControlView::setSplitKeyboard (bool split)
{
    zonePanels.getUnchecked (0)->setVisible (! split);
    zonePanels.getUnchecked (1)->setVisible (split);
    zonePanels.getUnchecked (2)->setVisible (split);
}
