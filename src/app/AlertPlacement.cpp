#include "app/AlertPlacement.h"

void AlertPlacement::centreShownAlertOver (juce::Component* owner)
{
    auto* top = owner != nullptr ? owner->getTopLevelComponent() : nullptr;
    auto* alert = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());

    if (top != nullptr && top->isOnDesktop() && alert != nullptr)
        alert->setCentrePosition (top->getScreenBounds().getCentre());
}
