#include "app/PresetTransferWindow.h"

PresetTransferWindow::PresetTransferWindow (const juce::String& title, ContentFactory makeContent,
                                            OrbEditorEngine::Ptr e, TransferStatus::Kind k, juce::Component* owner)
    : FixedSizeDialog (title), engine (std::move (e)), content (makeContent (this)), kind (k)
{
    setContentOwned (content, true);
    placeOver (owner);
    show();

    engine->addTransferListener (this);
    if (isRunning())
        content->showTransfer (engine->getTransferStatus (kind));
}

PresetTransferWindow::~PresetTransferWindow()
{
    engine->removeTransferListener (this);
    engine = nullptr;
    clearContentComponent();
}

bool PresetTransferWindow::isRunning() const
{
    return kind == TransferStatus::Kind::get ? engine->isGetting() : engine->isSending();
}

void PresetTransferWindow::returnPressed()
{
    if (content->getActionButton().isEnabled())
        buttonClicked (&content->getActionButton());
}

void PresetTransferWindow::cancelPressed()
{
    // Escape and the title bar's close are the "Cancel" button, whatever it does at the time.
    buttonClicked (&content->getCancelButton());
}

void PresetTransferWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == "Cancel")
    {
        if (engine->cancelTransferUnlessWriting (kind))
        {
            delete this;
            return;
        }

        // A send cut off while writing: the dialog stays to say what the slot now holds.
        engine->cancelTransfer (kind);
    }
    else if (name == content->getActionButton().getName() && ! isRunning())
    {
        // A transfer that cannot start reports its failure through transferChanged at once.
        startTransfer ((std::uint8_t) (content->getSelectedSlot() - 1));
    }
}

void PresetTransferWindow::transferChanged (const TransferStatus& status)
{
    if (status.kind != kind)
        return;

    if (status.phase == TransferStatus::Phase::succeeded)
        transferSucceeded (status);

    if (status.phase == TransferStatus::Phase::succeeded
        || (status.phase == TransferStatus::Phase::cancelled && ! status.leftIncomplete))
        delete this;
    else
        content->showTransfer (status);
}
