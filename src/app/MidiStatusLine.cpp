#include "app/MidiStatusLine.h"

namespace
{
juce::String portsName (const MidiManager& manager)
{
    const auto& input = manager.getInputName();
    const auto& output = manager.getOutputName();

    if (input.isEmpty() || output.isEmpty() || input == output)
        return input.isNotEmpty() ? input : output;
    return input + " / " + output;
}
} // namespace

MidiStatusLine::MidiStatusLine (MidiManager& m) : manager (m)
{
    setName ("MIDI Status");
    setMouseCursor (juce::MouseCursor::PointingHandCursor);
    manager.addChangeListener (this);
    refresh();
}

MidiStatusLine::~MidiStatusLine()
{
    manager.removeChangeListener (this);
}

MidiStatusLine::Link MidiStatusLine::linkOf (const MidiManager& manager)
{
    const bool inputChosen = manager.getInputName().isNotEmpty();
    const bool outputChosen = manager.getOutputName().isNotEmpty();

    if (! inputChosen && ! outputChosen)
        return Link::none;
    if ((inputChosen && ! manager.isConnected()) || (outputChosen && ! manager.isOutputOpen()))
        return Link::waiting;
    return Link::connected;
}

juce::String MidiStatusLine::describe (const MidiManager& manager)
{
    switch (linkOf (manager))
    {
        case Link::none: return "No MIDI device chosen";
        case Link::waiting:
        {
            const bool inputMissing = manager.getInputName().isNotEmpty() && ! manager.isConnected();
            return (inputMissing ? manager.getInputName() : manager.getOutputName()) + " not present, waiting";
        }
        case Link::connected: break;
    }

    auto text = portsName (manager) + " connected";
    if (manager.getInputName().isEmpty())
        text << " (no input chosen)";
    else if (manager.getOutputName().isEmpty())
        text << " (no output chosen)";
    return text;
}

juce::String MidiStatusLine::getText() const
{
    return note.isEmpty() ? linkText : linkText + " - " + note;
}

void MidiStatusLine::setNote (const juce::String& newNote)
{
    if (note == newNote)
        return;
    note = newNote;
    repaint();
}

void MidiStatusLine::refresh()
{
    const auto text = describe (manager);
    const auto newLink = linkOf (manager);
    if (text == linkText && newLink == link)
        return;

    linkText = text;
    link = newLink;
    repaint();
}

void MidiStatusLine::changeListenerCallback (juce::ChangeBroadcaster*)
{
    refresh();
}

void MidiStatusLine::paint (juce::Graphics& g)
{
    const auto dotColour = link == Link::connected ? juce::Colour (0xff2e9e4f)
                           : link == Link::waiting ? juce::Colour (0xffe0a020)
                                                   : juce::Colour (0xff9a9a9a);
    auto area = getLocalBounds().reduced (8, 0);
    const auto font = juce::Font ((float) getHeight() * 0.6f);
    const auto text = getText();
    const int textWidth = juce::jmin (area.getWidth() - 14, font.getStringWidth (text) + 2);

    auto textArea = area.removeFromRight (textWidth);
    const float dotSize = (float) getHeight() * 0.36f;
    const auto dot = juce::Rectangle<float> (dotSize, dotSize)
                         .withCentre ({ (float) textArea.getX() - dotSize, (float) getHeight() * 0.5f });

    g.setColour (dotColour);
    g.fillEllipse (dot);
    g.setColour (findColour (juce::PopupMenu::textColourId));
    g.setFont (font);
    g.drawFittedText (text, textArea, juce::Justification::centredRight, 1, 1.0f);
}

void MidiStatusLine::mouseUp (const juce::MouseEvent& event)
{
    if (event.mouseWasClicked() && onClick)
        onClick();
}
