#pragma once

#include "midi/OrbEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

// View 0 of the editor: the four buttons that move whole presets, stacked at the left edge. The view
// reacts to none of them; the editor window listens and tells them apart by their names.
class MainSectionView : public juce::Component
{
public:
    static constexpr const char* getFromHardwareName = "Get From Hardware";
    static constexpr const char* sendToHardwareName = "Send To Hardware";
    static constexpr const char* saveToFileName = "Save To File";
    static constexpr const char* loadFromFileName = "Load From File";

    explicit MainSectionView (OrbEditorEngine::Ptr engine);
    ~MainSectionView() override;

    // Adds the listener to each of the four buttons.
    void addButtonListener (juce::Button::Listener* listener);

    // From y 5 down, 10 pixels apart, at x 5.
    void resized() override;

    int getNumButtons() const noexcept { return buttons.size(); }
    juce::Button* getButton (int index) const noexcept { return buttons[index]; }

private:
    juce::OwnedArray<juce::Button> buttons;
    OrbEditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainSectionView)
};
