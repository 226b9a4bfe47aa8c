#include "views/TabSelectorButtons.h"

namespace
{
struct Tab
{
    const char* buttonName;
    const char* imageStem;
};

// In view-index order.
const Tab tabs[] = {
    { "Main View Selector Button", "TabMain" },     { "Knob Selector Button", "TabKnobs" },
    { "Switches Selector Button", "TabSwitches" },  { "Drum Pad Selector Button", "TabDrumPads" },
    { "Roll Mode Selector Button", "TabRollMode" }, { "Transport Selector Button", "TabTransport" },
    { "Keybed Selector Button", "TabKeybed" },      { "Pitch/Mod Wheel Selector Button", "TabModPitch" },
    { "Sustain Selector Button", "TabSustain" },
};
} // namespace

TabSelectorButtons::TabSelectorButtons()
{
    int viewIndex = 0;
    for (const auto& tab : tabs)
        addViewButton (viewIndex++, createImageButton (tab.buttonName, tab.imageStem));

    int x = 0;
    int height = 0;
    for (auto* button : buttons)
    {
        button->setTopLeftPosition (x, 0);
        x += button->getWidth();
        addAndMakeVisible (button);
        button->addListener (this);

        if (button->getName() == "Transport Selector Button")
            height = button->getHeight();
    }

    setSize (x, height);
}

TabSelectorButtons::~TabSelectorButtons() = default;
