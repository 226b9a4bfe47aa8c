#include "views/OrbMiniProductProductImageViewSelector.h"

#include "views/ArtworkImages.h"

OrbMiniProductProductImageViewSelector::OrbMiniProductProductImageViewSelector()
{
    ArtworkImages::setPicture (picture, ArtworkImages::productImage);
    picture.setTopLeftPosition (0, 0);
    addAndMakeVisible (picture);
    picture.toBack();

    // Created in this order; four positions follow from buttons made before them.
    auto* drumPads = createImageButton ("Drum Pad Selector Button", "RegionDrumPads");
    drumPads->setTopLeftPosition (10, 146);
    auto* knobs = createImageButton ("Knob Selector Button", "RegionKnobs");
    knobs->setTopLeftPosition (413, 16);
    auto* keybed = createImageButton ("Keybed Selector Button", "RegionKeybed");
    keybed->setTopLeftPosition (220, 156);
    auto* wheels = createImageButton ("Wheel Selector Button", "RegionWheels");
    wheels->setTopLeftPosition (25, 10);
    auto* transport = createImageButton ("Transport Selector Button", "RegionTransport");
    transport->setTopLeftPosition (150, 100);
    auto* rollMode = createImageButton ("Roll Mode Selector Button", "RegionRollMode");
    rollMode->setTopLeftPosition (transport->getX() + 102, 74);
    auto* switches = createImageButton ("Switches Selector Button", "RegionSwitches");
    switches->setTopLeftPosition (knobs->getX() - 5, 40);
    auto* octave = createImageButton ("Octave Selector Button", "RegionOctave");
    octave->setTopLeftPosition (transport->getX(), rollMode->getY());
    auto* rollModeTransport = createImageButton ("Roll Mode Selector Button", "RegionRollModeTransport");
    rollModeTransport->setTopLeftPosition (octave->getX() + 68, octave->getY());

    addViewButton (3, drumPads);
    addViewButton (1, knobs);
    addViewButton (2, switches);
    addViewButton (6, keybed);
    addViewButton (7, wheels);
    addViewButton (5, transport);
    addViewButton (5, rollModeTransport);
    addViewButton (4, rollMode);
    addViewButton (6, octave);

    for (auto* button : buttons)
    {
        addAndMakeVisible (button);
        button->addListener (this);
    }

    setSize (picture.getWidth(), picture.getHeight());
}

OrbMiniProductProductImageViewSelector::~OrbMiniProductProductImageViewSelector() = default;
