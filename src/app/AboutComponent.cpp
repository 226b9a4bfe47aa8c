#include "app/AboutComponent.h"

#include "views/ArtworkImages.h"

AboutComponent::AboutComponent (const juce::Image& image)
{
    picture = std::make_unique<juce::ImageComponent> (juce::String());
    picture->setImage (image);
    setSize (ArtworkImages::getLogicalBounds (image).getWidth(), ArtworkImages::getLogicalBounds (image).getHeight());
    picture->setBounds (0, 0, getWidth(), getHeight());
    addAndMakeVisible (picture.get());

    versionLabel = std::make_unique<juce::Label> ("Software Version Text", juce::String ("Software Version: ")
                                                                               + JUCE_APPLICATION_VERSION_STRING);
    styleLabel (*versionLabel);
    versionLabel->setBounds (0, getHeight() / 2, getWidth(), 15);
    addAndMakeVisible (versionLabel.get());

    noticeLabel =
        std::make_unique<juce::Label> (juce::String(), juce::String ("Copyright Kestrin. All rights reserved.") + "\r\n"
                                                           + "OrbMini is a trademark of Kestrin.");
    styleLabel (*noticeLabel);
    noticeLabel->setBounds (0, getHeight() - 50, getWidth(), 50);
    addAndMakeVisible (noticeLabel.get());

    // Clicks on the picture and the labels reach mouseUp too.
    addMouseListener (this, true);
}

AboutComponent::~AboutComponent()
{
    removeMouseListener (this);
}

void AboutComponent::styleLabel (juce::Label& label)
{
    label.setFont (juce::Font (15.0f, juce::Font::plain));
    label.setJustificationType (juce::Justification::centred);
    label.setEditable (false, false, false);
    label.setColour (juce::Label::textColourId, juce::Colours::black);
    label.setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
}

void AboutComponent::mouseUp (const juce::MouseEvent&)
{
    // The window is deleted from inside its own mouse event; the framework's event dispatch
    // notices and stops touching it.
    if (auto* window = getParentComponent())
        delete window;
}
