#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The numeric field of the editor: a one-line box showing a whole number that turns into a text
// field on a single click. It holds a value between a minimum and a maximum and tells its
// listeners when that value changes; it knows nothing of parameters.
class NumberBox : public juce::Label
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // The box's value has changed; read it with getValue().
        virtual void numberBoxChanged (NumberBox* box) = 0;
    };

    // Look of the in-place text editor: opaque white, no outline.
    class LookAndFeel : public juce::LookAndFeel_V3
    {
    public:
        void fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
        void drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    };

    NumberBox();
    ~NumberBox() override;

    // Neither limit re-tests nor redraws the current value; set both before the first setValue.
    void setMinimum (double newMinimum) { minimum = newMinimum; }
    void setMaximum (double newMaximum) { maximum = newMaximum; }
    double getMinimum() const { return minimum; }
    double getMaximum() const { return maximum; }

    double getValue() const { return value; }

    // Stores and shows a value within [minimum, maximum] and, when asked, notifies the listeners.
    // Anything else is dropped and the unchanged value is written back into the text.
    void setValue (double newValue, bool notify);

    using juce::Label::addListener;
    using juce::Label::removeListener;
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    void paint (juce::Graphics& g) override;

    // Up and down change the shown number by 1, page up and page down by 10, within the limits;
    // the box opens its text field for it. Like a typed number, the change takes effect (one
    // step to undo) when Return is pressed or the box loses the focus. False for other keys.
    bool stepWithKey (const juce::KeyPress& key);
    bool keyPressed (const juce::KeyPress& key) override;

    // The characters the in-place editor accepts.
    static constexpr const char* allowedCharacters = "0123456789-+";

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;
    void textWasEdited() override;

private:
    juce::String getValueText() const { return juce::String (value); }

    // Hands the step keys of the open text field to the box.
    struct StepKeys : juce::KeyListener
    {
        explicit StepKeys (NumberBox& b) : box (b) {}
        bool keyPressed (const juce::KeyPress& key, juce::Component*) override { return box.stepWithKey (key); }
        NumberBox& box;
    };

    StepKeys stepKeys { *this };

    // Made when the in-place editor first opens: a window holds hundreds of number boxes, and
    // building a framework look for each costs time and memory that most of them never use.
    std::unique_ptr<LookAndFeel> lookAndFeel;
    juce::ListenerList<Listener> listeners;
    double minimum = 0.0;
    double maximum = 0.0;
    double value = 0.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBox)
};
