#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

// A set of image buttons, each standing for a section view (view index 0 to 8). A click on a button
// is reported to the listeners as viewSelected; setSelectedView marks the buttons of one index by
// turning their toggle state on, which makes them show their down image.
class ViewSelector : public juce::Button::Listener, public juce::Component
{
public:
    class Listener
    {
    public:
        virtual void viewSelected (int viewIndex) = 0;
        virtual ~Listener() = default;
    };

    ViewSelector();
    ~ViewSelector() override;

    // Reports every view index under which the clicked button is registered.
    void buttonClicked (juce::Button* button) override;

    // Turns on the buttons registered under the index and turns off all others, silently.
    virtual void setSelectedView (int viewIndex);

    // Takes the button over and registers it under the index. The button is neither made a child
    // nor listened to here; the subclass constructors do that once all buttons exist.
    virtual void addViewButton (int viewIndex, juce::Button* button);

    // Adds a listener that is not null and not yet present. Listeners are called from the most
    // recently added to the first.
    void addListener (Listener* listener);

    int getNumViewButtons() const noexcept { return (int) pairs.size(); }
    int getViewIndex (int pairIndex) const noexcept { return pairs[(size_t) pairIndex].first; }
    juce::Button* getViewButton (int pairIndex) const noexcept { return pairs[(size_t) pairIndex].second; }

protected:
    // A new image button with the given name and the pictures <stem>Normal.png, <stem>Over.png and
    // <stem>Down.png.
    static juce::ImageButton* createImageButton (const juce::String& name, const juce::String& imageStem);

    juce::OwnedArray<juce::Button> buttons;
    std::vector<std::pair<int, juce::Button*>> pairs;
    juce::Array<Listener*> listeners;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ViewSelector)
};
