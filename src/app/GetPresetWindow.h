#pragma once

#include "app/GetPresetComponent.h"
#include "midi/OrbEditorEngine.h"

// "Get Preset From Hardware": asks for a slot and has the engine fetch the preset stored there.
// Not modal; it keeps the engine alive while open and deletes itself on either button.
class GetPresetWindow : public juce::ResizableWindow,
                        public juce::Button::Listener
{
public:
    explicit GetPresetWindow (OrbEditorEngine::Ptr engine);
    ~GetPresetWindow() override;

    void buttonClicked (juce::Button* button) override;

    GetPresetComponent& getContent() { return *content; }

private:
    GetPresetComponent* content;
    OrbEditorEngine::Ptr engine;

    JUCE_DECLARE_WEAK_REFERENCEABLE (GetPresetWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetWindow)
};
