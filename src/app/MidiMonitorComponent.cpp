#include "app/MidiMonitorComponent.h"

#include "app/FileChooserService.h"
#include "midi/MidiMessageDescription.h"

namespace
{
constexpr int width = 640, height = 440, margin = 10, headerHeight = 30, footerHeight = 46;
constexpr int buttonWidth = 96, buttonHeight = 26, rowHeight = 18;
// Columns of a row as drawn: time (right-aligned), direction, meaning.
constexpr int timeWidth = 84, directionWidth = 44;
// "Out" is drawn in the editor's blue, "In" in a green that reads as well on white.
constexpr juce::uint32 incomingGreen = 0xFF2E7D32;

const juce::String saveLogText (juce::CharPointer_UTF8 ("Save Log\xe2\x80\xa6"));

juce::String directionText (MidiMonitorRecord::Direction direction)
{
    return direction == MidiMonitorRecord::Direction::out ? "Out" : "In";
}

juce::String timeText (const MidiMonitorRecord::Entry& entry)
{
    return juce::String ((double) entry.microseconds / 1000.0, 1);
}

juce::String meaningOf (const MidiMonitorRecord::Entry& entry)
{
    return MidiMessageDescription::describe (entry.keptBytes(), entry.size);
}

juce::String portText (const juce::String& label, const juce::MidiDeviceInfo& device)
{
    if (device.name.isEmpty())
        return label + ": none";

    return label + ": " + device.name + (device.identifier.isEmpty() ? " (not connected)" : "");
}
} // namespace

MidiMonitorComponent::MidiMonitorComponent (MidiManager& midiManager, const juce::File* folder)
    : midi (midiManager), record (midiManager.getMonitorRecord()), lastDirectory (folder)
{
    saveButton.setButtonText (saveLogText);
    pauseButton.setClickingTogglesState (true);

    for (auto* button : { &pauseButton, &clearButton, &copyButton, &saveButton })
    {
        button->setName (button->getButtonText());
        button->addListener (this);
        addAndMakeVisible (button);
    }

    list.setName ("Messages");
    list.setModel (this);
    list.setRowHeight (rowHeight);
    list.setMultipleSelectionEnabled (true);
    list.setColour (juce::ListBox::outlineColourId, juce::Colour (CustomLook::lightGrey));
    list.setOutlineThickness (1);
    addAndMakeVisible (list);

    setLookAndFeel (&look);
    setWantsKeyboardFocus (true);
    setSize (width, height);

    record.start();
    updatePorts();
    updateStatus();
    startTimer (refreshPeriodMs);
}

MidiMonitorComponent::~MidiMonitorComponent()
{
    stopTimer();
    record.stop();
    list.setModel (nullptr);
    setLookAndFeel (nullptr);
}

juce::String MidiMonitorComponent::lineFor (const Entry& entry)
{
    return timeText (entry).paddedLeft (' ', 10) + "  " + directionText (entry.direction).paddedRight (' ', 3) + "  "
           + meaningOf (entry);
}

juce::String MidiMonitorComponent::getRowText (int row) const
{
    return juce::isPositiveAndBelow (row, (int) rows.size()) ? lineFor (rows[(size_t) row]) : juce::String();
}

juce::String MidiMonitorComponent::linesOf (const juce::SparseSet<int>& selection) const
{
    juce::MemoryOutputStream text;

    for (int i = 0; i < selection.getNumRanges(); ++i)
    {
        const auto range = selection.getRange (i).getIntersectionWith ({ 0, (int) rows.size() });
        for (int row = range.getStart(); row < range.getEnd(); ++row)
            text << lineFor (rows[(size_t) row]) << "\n";
    }

    return text.toString();
}

juce::String MidiMonitorComponent::getCopyText() const
{
    auto selection = list.getSelectedRows();

    if (selection.isEmpty())
        selection.addRange ({ 0, (int) rows.size() });

    return linesOf (selection);
}

juce::String MidiMonitorComponent::getLogText() const
{
    juce::SparseSet<int> all;
    all.addRange ({ 0, (int) rows.size() });
    return linesOf (all);
}

juce::Button* MidiMonitorComponent::findButton (const juce::String& text)
{
    for (auto* button : { &pauseButton, &clearButton, &copyButton, &saveButton })
        if (button->getButtonText() == text)
            return button;

    return nullptr;
}

void MidiMonitorComponent::refresh()
{
    arrived.clear();
    record.readFrom (nextToRead, arrived);
    append (arrived);
    updatePorts();
    updateStatus();
}

bool MidiMonitorComponent::isShowingTheNewest() const
{
    auto* viewport = list.getViewport();
    auto* content = viewport != nullptr ? viewport->getViewedComponent() : nullptr;

    if (content == nullptr || rows.empty())
        return true;

    return viewport->getViewPositionY() + viewport->getViewHeight() >= content->getHeight() - rowHeight / 2;
}

void MidiMonitorComponent::append (const std::vector<Entry>& entries)
{
    if (entries.empty())
        return;

    const bool follow = isShowingTheNewest();
    rows.insert (rows.end(), entries.begin(), entries.end());

    const int excess = (int) rows.size() - MidiMonitorRecord::capacity;
    if (excess > 0)
        dropOldestRows (excess);

    list.updateContent();

    if (follow)
        list.scrollToEnsureRowIsOnscreen (getNumRows() - 1);

    updateStatus();
}

void MidiMonitorComponent::dropOldestRows (int count)
{
    rows.erase (rows.begin(), rows.begin() + count);

    // The rows the user selected or scrolled to stay selected and in view as the oldest go.
    const auto selected = list.getSelectedRows();
    juce::SparseSet<int> moved;

    for (int i = 0; i < selected.getNumRanges(); ++i)
    {
        const auto range = selected.getRange (i);
        const auto shifted = juce::Range<int> (range.getStart() - count, range.getEnd() - count)
                                 .getIntersectionWith ({ 0, (int) rows.size() });
        if (! shifted.isEmpty())
            moved.addRange (shifted);
    }

    list.setSelectedRows (moved, juce::dontSendNotification);

    if (auto* viewport = list.getViewport())
        viewport->setViewPosition (viewport->getViewPositionX(),
                                   juce::jmax (0, viewport->getViewPositionY() - count * rowHeight));
}

void MidiMonitorComponent::clear()
{
    // What was recorded but not shown yet goes too.
    nextToRead = record.getNumRecorded();
    rows.clear();
    list.deselectAllRows();
    list.updateContent();
    updateStatus();
}

void MidiMonitorComponent::copy()
{
    juce::SystemClipboard::copyTextToClipboard (getCopyText());
}

void MidiMonitorComponent::saveLog()
{
    const auto folder = lastDirectory != nullptr && *lastDirectory != juce::File()
                            ? *lastDirectory
                            : juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
    FileChooserService::Request request { "Save MIDI Monitor Log", folder.getChildFile ("MIDI Monitor Log.txt"),
                                          "*.txt", true };
    juce::Component::SafePointer<MidiMonitorComponent> self (this);

    FileChooserService::getCurrent().chooseFile (request, [self] (const juce::File& chosen) {
        if (self != nullptr && chosen != juce::File())
            self->writeLog (chosen);
    });
}

void MidiMonitorComponent::writeLog (const juce::File& file)
{
    // Written beside the file and moved over it once complete: a failed write keeps what was there.
    if (file.replaceWithText (getLogText(), false, false, "\n"))
        return;

    if (fileErrorAlert == nullptr)
        fileErrorAlert = new FileErrorAlertWindow (FileErrorAlertWindow::savingFailed (file.getFileName()), this);
}

void MidiMonitorComponent::updatePorts()
{
    const auto text =
        portText ("Input", midi.getInputDevice()) + "      " + portText ("Output", midi.getOutputDevice());

    // The header, and an empty list's hint, name the ports.
    if (text != portsText)
    {
        portsText = text;
        repaint();
    }
}

void MidiMonitorComponent::updateStatus()
{
    auto text = juce::String ((juce::int64) rows.size()) + (rows.size() == 1 ? " message" : " messages");

    if (isPaused())
    {
        const auto recorded = record.getNumRecorded();
        const auto waiting = recorded > nextToRead ? recorded - nextToRead : 0;
        text = "Paused, " + juce::String ((juce::int64) waiting) + " new not shown";
    }

    if (text != statusText)
    {
        statusText = text;
        repaint (0, 0, getWidth(), headerHeight);
    }
}

void MidiMonitorComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setColour (juce::Colour (CustomLook::accentBlue));
    g.fillRect (getLocalBounds().removeFromTop (headerHeight));

    auto header = getLocalBounds().removeFromTop (headerHeight).reduced (margin, 0);
    g.setColour (juce::Colours::white);
    g.setFont (14.0f);
    g.drawText (statusText, header.removeFromRight (220), juce::Justification::centredRight, true);
    g.drawText (portsText, header, juce::Justification::centredLeft, true);

    g.setColour (juce::Colour (CustomLook::whiteSmoke));
    g.fillRect (getLocalBounds().removeFromBottom (footerHeight));
}

void MidiMonitorComponent::paintOverChildren (juce::Graphics& g)
{
    if (! rows.empty())
        return;

    // An empty list says why, where its first rows would be.
    const auto noPort = midi.getInputName().isEmpty() && midi.getOutputName().isEmpty();
    g.setColour (juce::Colours::grey);
    g.setFont (14.0f);
    g.drawText (noPort ? juce::String (juce::CharPointer_UTF8 ("No MIDI port is open: choose the controller in "
                                                               "Options \xe2\x80\xba Device Setup."))
                       : juce::String ("No messages yet."),
                list.getBounds().reduced (8).removeFromTop (3 * rowHeight), juce::Justification::centred, true);
}

void MidiMonitorComponent::resized()
{
    auto area = getLocalBounds().withTrimmedTop (headerHeight);

    auto footer = area.removeFromBottom (footerHeight).reduced (margin, (footerHeight - buttonHeight) / 2);
    for (auto* button : { &pauseButton, &clearButton, &copyButton })
    {
        button->setBounds (footer.removeFromLeft (buttonWidth));
        footer.removeFromLeft (margin);
    }
    saveButton.setBounds (footer.removeFromRight (buttonWidth));

    list.setBounds (area.reduced (margin, margin / 2));
}

bool MidiMonitorComponent::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress ('c', juce::ModifierKeys::commandModifier, 0))
    {
        copy();
        return true;
    }

    return false;
}

void MidiMonitorComponent::paintListBoxItem (int row, juce::Graphics& g, int w, int h, bool selected)
{
    if (! juce::isPositiveAndBelow (row, (int) rows.size()))
        return;

    const auto& entry = rows[(size_t) row];
    const bool out = entry.direction == MidiMonitorRecord::Direction::out;

    g.fillAll (selected ? juce::Colour (CustomLook::menuHighlight)
                        : (row % 2 == 0 ? juce::Colours::white : juce::Colour (CustomLook::whiteSmoke)));

    const auto text = selected ? juce::Colours::white : juce::Colour (CustomLook::menuText);
    g.setFont (juce::Font (juce::Font::getDefaultMonospacedFontName(), 13.0f, juce::Font::plain));

    g.setColour (text);
    g.drawText (timeText (entry), 0, 0, timeWidth - 8, h, juce::Justification::centredRight, false);

    g.setColour (selected ? text : juce::Colour (out ? CustomLook::accentBlue : incomingGreen));
    g.drawText (directionText (entry.direction), timeWidth, 0, directionWidth, h, juce::Justification::centredLeft,
                false);

    g.setColour (text);
    g.drawText (meaningOf (entry), timeWidth + directionWidth, 0, w - timeWidth - directionWidth - 4, h,
                juce::Justification::centredLeft, true);
}

void MidiMonitorComponent::buttonClicked (juce::Button* button)
{
    if (button == &pauseButton)
    {
        if (! isPaused())
            refresh();
        updateStatus();
    }
    else if (button == &clearButton)
        clear();
    else if (button == &copyButton)
        copy();
    else if (button == &saveButton)
        saveLog();
}

void MidiMonitorComponent::timerCallback()
{
    if (isPaused())
    {
        updatePorts();
        updateStatus();
    }
    else
    {
        refresh();
    }
}
