#pragma once

#include "views/ViewSelector.h"

// The row of nine tabs below the product picture, one per section view, 1200x40 in all.
class TabSelectorButtons : public ViewSelector
{
public:
    TabSelectorButtons();
    ~TabSelectorButtons() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TabSelectorButtons)
};
