#pragma once

#include "views/ViewSelector.h"

// The picture of the OrbMini with its clickable regions: wheels, pads, knobs, switches, transport,
// octave and roll buttons and the keybed. 786x378.
class OrbMiniProductProductImageViewSelector : public ViewSelector
{
public:
    OrbMiniProductProductImageViewSelector();
    ~OrbMiniProductProductImageViewSelector() override;

private:
    juce::ImageComponent picture;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OrbMiniProductProductImageViewSelector)
};
