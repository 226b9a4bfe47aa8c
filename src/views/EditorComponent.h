#pragma once

#include "midi/OrbEditorEngine.h"
#include "views/ViewSelector.h"
#include "widgets/CustomLook.h"
#include "widgets/FocusRing.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The whole content of an editor window, a fixed 1200x700 canvas: the background, the picture of the
// device at the top, the row of tabs at y 450 and, below it at y 490, the section view of the current
// view index (0 to 8). A click on a tab or on a region of the picture selects a view; both selectors
// then mark that index. Only the current view is a child, so the others get no mouse or key events.
class EditorComponent : public juce::Component, public ViewSelector::Listener
{
public:
    static constexpr int numViews = 9;

    // Takes over both selectors (either may be null). The counts size the knob, pad and switch views.
    EditorComponent (ViewSelector* tabSelector, ViewSelector* pictureSelector, OrbEditorEngine::Ptr engine,
                     int numKnobs, int numPads, int numSwitches);
    ~EditorComponent() override;

    // Shows the view of the index and makes both selectors mark it. An index outside 0 to 8 shows
    // no view and marks nothing.
    void viewSelected (int viewIndex) override;

    // ctrl+1 to ctrl+9 show the nine views, the main view first; Tab shows the focus ring.
    bool keyPressed (const juce::KeyPress& key) override;

    FocusRing& getFocusRing() noexcept { return focusRing; }

    // Registers the listener (the editor window) with the main section's four buttons.
    void addButtonListener (juce::Button::Listener* listener);

    // Shows every picture, those of the hidden views too, from the set in use (after a change of
    // zoom).
    void swapPictures();

    ViewSelector* getTabSelector() const noexcept { return selectors[0]; }
    ViewSelector* getPictureSelector() const noexcept { return selectors[1]; }
    int getNumViews() const noexcept { return views.size(); }
    juce::Component* getView (int viewIndex) const noexcept { return views[viewIndex]; }
    juce::ImageComponent& getBackground() noexcept { return *background; }
    OrbEditorEngine::Ptr getEngine() const { return engine; }

private:
    // Destroyed from the bottom up: the engine reference, the focus ring, the look, the views, the selectors, the
    // background.
    std::unique_ptr<juce::ImageComponent> background;
    juce::OwnedArray<ViewSelector> selectors;
    juce::OwnedArray<juce::Component> views;
    CustomLook look;
    FocusRing focusRing;
    OrbEditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorComponent)
};
