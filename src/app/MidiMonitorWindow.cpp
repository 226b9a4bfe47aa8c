#include "app/MidiMonitorWindow.h"

namespace
{
constexpr int minimumWidth = 520, minimumHeight = 260, gap = 12;
} // namespace

MidiMonitorWindow::MidiMonitorWindow (MidiManager& midiManager, const juce::File* lastDirectory, juce::Component* owner)
    : juce::DocumentWindow ("MIDI Monitor", juce::Colours::white, juce::DocumentWindow::closeButton),
      content (midiManager, lastDirectory), keys ({}, [this] { closeButtonPressed(); })
{
    setUsingNativeTitleBar (true);
    setContentNonOwned (&content, true);
    setResizable (true, false);
    setResizeLimits (minimumWidth, minimumHeight, 8192, 8192);
    placeBeside (owner);
    keys.attachTo (*this);
    setVisible (true);
    toFront (true);
    // Ctrl+C and the arrow keys reach the list before a row is clicked.
    content.getList().grabKeyboardFocus();
}

MidiMonitorWindow::~MidiMonitorWindow()
{
    masterReference.clear();
    clearContentComponent();
}

void MidiMonitorWindow::closeButtonPressed()
{
    delete this;
}

void MidiMonitorWindow::placeBeside (juce::Component* owner)
{
    if (owner != nullptr)
        owner = owner->getTopLevelComponent();

    // Beside the editor window, so that the messages can be watched while it is used.
    if (owner != nullptr && owner->isOnDesktop())
    {
        const auto ownerBounds = owner->getScreenBounds();
        const auto beside = ownerBounds.withX (ownerBounds.getRight() + gap).withSize (getWidth(), getHeight());

        if (const auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (ownerBounds);
            display != nullptr && display->userArea.contains (beside))
        {
            setTopLeftPosition (beside.getPosition());
            return;
        }
    }

    centreAroundComponent (owner, getWidth(), getHeight());
}
