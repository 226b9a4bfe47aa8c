#include "app/LibrarianComponent.h"

#include <algorithm>

using Direction = SlotLibrarian::Direction;

namespace
{
constexpr int width = 560, height = 460, margin = 12, buttonWidth = 100, buttonHeight = 26;
} // namespace

LibrarianComponent::LibrarianComponent (MidiManager& midiManager, Direction d, std::vector<LibrarianPlan::Entry> p,
                                        const juce::File& f, bool replace, std::function<void()> close,
                                        OrbEditorEngine::Timing t)
    : midi (midiManager), direction (d), plan (std::move (p)), folder (f), replaceExisting (replace),
      onClose (std::move (close)), timing (t)
{
    // Files that found no slot are listed, unticked, and cannot be ticked.
    for (const auto& entry : plan)
        ticks.push_back (entry.slotNumber != 0);

    rows.setModel (this);
    rows.setRowHeight (22);
    addAndMakeVisible (rows);
    addAndMakeVisible (status);
    addChildComponent (progressBar);

    for (auto* button : { &restoreButton, &cancelButton, &okButton })
    {
        button->setName (button->getButtonText());
        button->addListener (this);
        addChildComponent (button);
    }

    setSize (width, height);

    if (direction == Direction::backup)
        start();
    else
    {
        status.setText ("Tick the files to send. Nothing is sent before \"Restore\".", juce::dontSendNotification);
        showButtons();
    }
}

LibrarianComponent::~LibrarianComponent()
{
    if (librarian != nullptr)
        librarian->removeListener (this);
    rows.setModel (nullptr);
}

void LibrarianComponent::paint (juce::Graphics& g)
{
    g.fillAll (findColour (juce::ResizableWindow::backgroundColourId));
}

void LibrarianComponent::resized()
{
    auto area = getLocalBounds().reduced (margin);
    auto buttonRow = area.removeFromBottom (buttonHeight);
    area.removeFromBottom (margin);
    progressBar.setBounds (area.removeFromBottom (20));
    area.removeFromBottom (4);
    status.setBounds (area.removeFromBottom (44));
    area.removeFromBottom (4);
    rows.setBounds (area);

    for (auto* button : { &okButton, &cancelButton, &restoreButton })
        button->setBounds (buttonRow.removeFromRight (buttonWidth).withTrimmedLeft (8));
}

void LibrarianComponent::start()
{
    std::vector<SlotLibrarian::Job> jobs;
    for (size_t i = 0; i < plan.size(); ++i)
        if (ticks[i])
            jobs.push_back ({ plan[i].slotNumber, plan[i].file });

    librarian = std::make_unique<SlotLibrarian> (midi, direction, std::move (jobs), folder, replaceExisting, timing);
    librarian->addListener (this);
    progressBar.setVisible (true);
    showButtons();
    librarian->start();
}

void LibrarianComponent::showButtons()
{
    const bool confirming = librarian == nullptr;
    const bool running = librarian != nullptr && librarian->isRunning();

    restoreButton.setVisible (confirming);
    restoreButton.setEnabled (std::find (ticks.begin(), ticks.end(), true) != ticks.end());
    cancelButton.setVisible (confirming || running);
    cancelButton.setEnabled (! (running && librarian->wasCancelled()));
    okButton.setVisible (! confirming && ! running);
}

void LibrarianComponent::toggleRow (int row)
{
    if (librarian != nullptr || ! juce::isPositiveAndBelow (row, (int) plan.size())
        || plan[(size_t) row].slotNumber == 0)
        return;

    ticks[(size_t) row] = ! ticks[(size_t) row];
    rows.repaintRow (row);
    showButtons();
}

juce::String LibrarianComponent::getRowText (int row) const
{
    const auto& entry = plan[(size_t) row];

    if (entry.slotNumber == 0)
        return entry.file.getFileName() + ": not sent, no slot left";

    auto text = "Slot " + juce::String (entry.slotNumber).paddedLeft ('0', 2);

    if (direction == Direction::restore)
        text << "  <-  " << entry.file.getFileName();

    if (librarian == nullptr)
        return text;

    for (const auto& outcome : librarian->getOutcomes())
        if (outcome.job.slotNumber == entry.slotNumber)
            return text
                   + (outcome.succeeded
                          ? (direction == Direction::backup ? "  ->  " + outcome.job.file.getFileName() : "  done")
                          : "  FAILED: " + outcome.failure.fromFirstOccurrenceOf (": ", false, false));

    return text;
}

void LibrarianComponent::paintListBoxItem (int row, juce::Graphics& g, int w, int h, bool)
{
    if (! juce::isPositiveAndBelow (row, (int) plan.size()))
        return;

    const auto colour = findColour (juce::Label::textColourId);
    g.setColour (colour);
    int x = 4;

    if (direction == Direction::restore)
    {
        const juce::Rectangle<float> box (4.0f, (float) (h - 14) / 2.0f, 14.0f, 14.0f);
        g.drawRect (box, 1.0f);
        if (ticks[(size_t) row])
            g.drawText (juce::String::charToString ((juce::juce_wchar) 0x2713), box, juce::Justification::centred);
        x = 24;
    }

    g.setFont ((float) h * 0.62f);
    g.drawText (getRowText (row), x, 0, w - x - 4, h, juce::Justification::centredLeft, true);
}

void LibrarianComponent::listBoxItemClicked (int row, const juce::MouseEvent&)
{
    toggleRow (row);
}

juce::Button* LibrarianComponent::findButton (const juce::String& text)
{
    for (auto* button : { &restoreButton, &cancelButton, &okButton })
        if (button->getName() == text)
            return button;
    return nullptr;
}

void LibrarianComponent::closeRequested()
{
    if (librarian != nullptr && librarian->isRunning())
        buttonClicked (&cancelButton);
    else if (onClose)
        onClose();
}

void LibrarianComponent::stopAfterCurrentSlot()
{
    if (librarian != nullptr)
        librarian->cancel();
}

int LibrarianComponent::getSlotBeingWritten() const
{
    return librarian != nullptr && librarian->isWritingSlot() ? librarian->getCurrentJob().slotNumber : 0;
}

bool LibrarianComponent::lastSlotSucceeded() const
{
    return librarian == nullptr || librarian->getOutcomes().empty() || librarian->getOutcomes().back().succeeded;
}

void LibrarianComponent::returnPressed()
{
    for (auto* button : { &restoreButton, &okButton })
        if (button->isVisible() && button->isEnabled())
            return buttonClicked (button);
}

void LibrarianComponent::buttonClicked (juce::Button* button)
{
    if (button == &restoreButton && librarian == nullptr)
        start();
    else if (button == &cancelButton && librarian != nullptr && librarian->isRunning())
        librarian->cancel(); // the window stays to show where the run stopped
    else if ((button == &cancelButton || button == &okButton) && onClose)
        onClose();
}

void LibrarianComponent::librarianChanged (const SlotLibrarian& l)
{
    fraction = l.getFraction();

    if (l.isRunning())
    {
        const auto& s = l.getCurrentStatus();
        const auto action = direction == Direction::backup               ? "Getting"
                            : s.phase == TransferStatus::Phase::checking ? "Checking"
                                                                         : "Sending";
        auto text =
            l.describeProgress() + ": " + action + " " + juce::String (s.done) + " of " + juce::String (s.total);

        if (s.behindOthers)
            text = l.describeProgress() + ": waiting for another window's transfer";
        if (l.wasCancelled())
            text << " (cancelling)";

        status.setText (text, juce::dontSendNotification);
    }
    else
    {
        fraction = 1.0;
        status.setText (l.describeSummary().upToFirstOccurrenceOf ("\n", false, false), juce::dontSendNotification);
    }

    rows.repaint();
    showButtons();
}
