#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/ControlSettingsMenu.h"
#include "views/TransportControllerComboBox.h"
#include "views/TransportControllerNumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// One transport button ("Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record"): whether it
// acts as a momentary or a toggle button, and the CC it sends.
class TransportControlView : public juce::Component
{
public:
    TransportControlView (OrbEditorEngine::Ptr engine, const int& buttonIndex, const juce::String& name);
    ~TransportControlView() override;

    juce::Label& getTitle() { return *title; }
    ControlSettingsMenu& getSettingsMenu() { return *settingsMenu; }
    TransportControllerComboBox& getFunctionSelector() { return *functionSelector; }
    TransportControllerNumberBox& getCcBox() { return *ccBox; }

private:
    std::unique_ptr<juce::Label> title;
    std::unique_ptr<ControlSettingsMenu> settingsMenu;
    std::unique_ptr<TransportControllerComboBox> functionSelector;
    std::unique_ptr<TransportControllerNumberBox> ccBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportControlView)
};
