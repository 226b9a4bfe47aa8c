#include "views/ViewSelector.h"

#include "views/ArtworkImages.h"

ViewSelector::ViewSelector() = default;

ViewSelector::~ViewSelector() = default;

void ViewSelector::buttonClicked (juce::Button* button)
{
    for (const auto& [viewIndex, pairButton] : pairs)
    {
        if (pairButton != button)
            continue;

        for (int i = listeners.size(); --i >= 0;)
            listeners.getUnchecked (i)->viewSelected (viewIndex);
    }
}

void ViewSelector::setSelectedView (int viewIndex)
{
    for (const auto& [index, button] : pairs)
        button->setToggleState (index == viewIndex, juce::dontSendNotification);
}

void ViewSelector::addViewButton (int viewIndex, juce::Button* button)
{
    if (button == nullptr)
        return;

    if (! buttons.contains (button)) // a button registered twice is still owned once
        buttons.add (button);
    pairs.emplace_back (viewIndex, button);
}

void ViewSelector::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

juce::ImageButton* ViewSelector::createImageButton (const juce::String& name, const juce::String& imageStem)
{
    auto* button = new juce::ImageButton (name);
    ArtworkImages::setButtonImages (*button, (imageStem + "Normal.png").toRawUTF8(),
                                    (imageStem + "Over.png").toRawUTF8(), (imageStem + "Down.png").toRawUTF8());
    return button;
}
