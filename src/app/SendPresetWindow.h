#pragma once

#include "app/SendPresetComponent.h"
#include "midi/OrbEditorEngine.h"

// "Send Preset To Hardware": asks for a slot and has the engine write the preset there. Not
// modal; it keeps the engine alive while open. "Cancel" closes it; "Send" closes it only when
// the send went out, so that after a failure the user can fix the ports and send again.
class SendPresetWindow : public juce::ResizableWindow,
                         public juce::Button::Listener
{
public:
    explicit SendPresetWindow (OrbEditorEngine::Ptr engine);
    ~SendPresetWindow() override;

    void buttonClicked (juce::Button* button) override;

    SendPresetComponent& getContent() { return *content; }

private:
    SendPresetComponent* content;
    OrbEditorEngine::Ptr engine;

    JUCE_DECLARE_WEAK_REFERENCEABLE (SendPresetWindow)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetWindow)
};
