#pragma once

#include "app/AboutComponent.h"
#include "app/DialogKeys.h"

// The borderless About window: shows itself at once, centred over the owner (an editor window),
// and is deleted by a click on it, Return or escape.
class AboutWindow : public juce::ResizableWindow
{
public:
    explicit AboutWindow (const juce::Image& image, juce::Component* owner = nullptr);
    ~AboutWindow() override;

    AboutComponent* getAboutComponent() const { return content; }

    // No frame of its own: the window is exactly the picture.
    juce::BorderSize<int> getBorderThickness() override { return {}; }

private:
    AboutComponent* content;
    DialogKeys keys;

    JUCE_DECLARE_WEAK_REFERENCEABLE (AboutWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutWindow)
};
