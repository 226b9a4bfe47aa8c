#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The content of the About window: the product picture with the software version and a notice
// over it. A click anywhere on it closes the window that holds it.
class AboutComponent : public juce::Component
{
public:
    explicit AboutComponent (const juce::Image& image);
    ~AboutComponent() override;

    void mouseUp (const juce::MouseEvent& event) override;
    void paint (juce::Graphics&) override {}

    juce::Label& getVersionLabel() { return *versionLabel; }
    juce::Label& getNoticeLabel() { return *noticeLabel; }

private:
    static void styleLabel (juce::Label& label);

    std::unique_ptr<juce::ImageComponent> picture;
    std::unique_ptr<juce::Label> versionLabel;
    std::unique_ptr<juce::Label> noticeLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
