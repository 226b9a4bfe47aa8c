#include "widgets/NumberBox.h"

void NumberBox::LookAndFeel::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor&)
{
    g.setColour (juce::Colours::white);
    g.fillRect (0, 0, width, height);
}

void NumberBox::LookAndFeel::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&) {}

NumberBox::NumberBox() : juce::Label ({}, {})
{
    setEditable (true, false, false);
}

NumberBox::~NumberBox()
{
    // The label deletes an open editor after this box's own look has gone: detach it first.
    if (auto* editor = getCurrentTextEditor())
        editor->setLookAndFeel (nullptr);
}

void NumberBox::setValue (double newValue, bool notify)
{
    if (minimum <= newValue && newValue <= maximum)
    {
        value = (newValue == 0.0) ? 0.0 : newValue; // no negative zero
        setText (getValueText(), juce::dontSendNotification);
        repaint();

        if (notify)
        {
            juce::Component::BailOutChecker checker (this);
            listeners.callChecked (checker, [this] (Listener& l) { l.numberBoxChanged (this); });
        }
    }
    else
    {
        setText (getValueText(), juce::dontSendNotification);
    }
}

void NumberBox::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void NumberBox::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

void NumberBox::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setColour (findColour (juce::Label::textColourId));
    g.drawFittedText (getValueText(), juce::Rectangle<int> (5, 0, getWidth() - 5, getHeight()),
                      juce::Justification::left, 1);
}

void NumberBox::editorShown (juce::TextEditor* editor)
{
    editor->setInputRestrictions (0, allowedCharacters);
    editor->setMultiLine (false);
    editor->setScrollbarsShown (false);
    editor->setCaretVisible (true);

    if (lookAndFeel == nullptr)
        lookAndFeel = std::make_unique<LookAndFeel>();

    editor->setLookAndFeel (lookAndFeel.get());
    editor->setText (getValueText(), false);
    editor->addKeyListener (&stepKeys);
}

bool NumberBox::stepWithKey (const juce::KeyPress& key)
{
    const int step = key == juce::KeyPress::upKey         ? 1
                     : key == juce::KeyPress::downKey     ? -1
                     : key == juce::KeyPress::pageUpKey   ? 10
                     : key == juce::KeyPress::pageDownKey ? -10
                                                          : 0;
    if (step == 0)
        return false;

    if (! isBeingEdited())
        showEditor();

    if (auto* editor = getCurrentTextEditor())
    {
        const auto typed = editor->getText().trim();
        const auto from = typed.isEmpty() ? value : typed.getDoubleValue();
        editor->setText (juce::String (juce::jlimit (minimum, maximum, from + step)), false);
        editor->selectAll();
    }

    return true;
}

bool NumberBox::keyPressed (const juce::KeyPress& key)
{
    return stepWithKey (key) || juce::Label::keyPressed (key); // the framework's own keys otherwise
}

void NumberBox::editorAboutToBeHidden (juce::TextEditor* editor)
{
    editor->removeKeyListener (&stepKeys);

    // What was typed decides, whatever the label held before: an empty entry reads as 0.
    const auto typed = editor->getText().trim();
    setValue (typed.isEmpty() ? 0.0 : typed.getDoubleValue(), true);
}

void NumberBox::textWasEdited()
{
    // The label has just taken the editor's raw text; keep it in step with the value instead.
    setText (getValueText(), juce::dontSendNotification);
}
