#include "app/LibrarianWindow.h"

#include "app/FileChooserService.h"
#include "app/WindowSizeHints.h"
#include "model/OrbMiniModel.h"

using Direction = SlotLibrarian::Direction;

LibrarianWindow::LibrarianWindow (const juce::String& title, MidiManager& midi, Direction direction,
                                  std::vector<LibrarianPlan::Entry> plan, const juce::File& folder, bool replace,
                                  OrbEditorEngine::Timing timing)
    : juce::DocumentWindow (title, juce::Colours::darkgrey, juce::DocumentWindow::closeButton),
      content (
          midi, direction, std::move (plan), folder, replace, [this] { delete this; }, timing),
      keys ([this] { content.returnPressed(); }, [this] { content.closeRequested(); })
{
    setUsingNativeTitleBar (true);
    setContentNonOwned (&content, true);
    setResizable (false, false);
    // Opened after a file chooser: over the editor window that is active again by then.
    centreAroundComponent (nullptr, getWidth(), getHeight());
    keys.attachTo (*this);
    setVisible (true);
    toFront (true);
    sizeHints.fixSize (*this);
}

void LibrarianWindow::closeButtonPressed()
{
    content.closeRequested();
}

LibrarianWindow* LibrarianWindow::findOpen()
{
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = dynamic_cast<LibrarianWindow*> (desktop.getComponent (i)))
            return window;

    return nullptr;
}

namespace
{
// Asks for a folder; nothing happens when the user cancels or a librarian window opened meanwhile.
void chooseFolder (const juce::String& title, juce::File& lastDirectory, std::function<void (const juce::File&)> chosen)
{
    FileChooserService::Request request { title, lastDirectory, OrbMiniModel::presetWildcard, false, true };

    FileChooserService::getCurrent().chooseFile (request, [&lastDirectory, chosen] (const juce::File& folder) {
        if (folder == juce::File() || ! folder.isDirectory() || LibrarianWindow::findOpen() != nullptr)
            return;

        lastDirectory = folder;
        chosen (folder);
    });
}

std::vector<LibrarianPlan::Entry> allSlots()
{
    std::vector<LibrarianPlan::Entry> plan;
    for (const auto& job : SlotLibrarian::allSlots())
        plan.push_back ({ job.slotNumber, {} });
    return plan;
}
} // namespace

void LibrarianWindow::backUpAllSlots (MidiManager& midi, juce::File& lastDirectory, OrbEditorEngine::Timing timing)
{
    if (findOpen() != nullptr)
        return;

    chooseFolder ("Select Folder to back up into", lastDirectory, [&midi, timing] (const juce::File& folder) {
        const auto existing = LibrarianPlan::findBackupFiles (folder);

        if (existing.isEmpty())
        {
            new LibrarianWindow ("Back Up All Slots", midi, Direction::backup, allSlots(), folder, false, timing);
            return;
        }

        // Asked once for the whole backup; without a yes nothing is got or written.
        juce::AlertWindow::showOkCancelBox (
            juce::MessageBoxIconType::WarningIcon, "Replace Backup Files?",
            "The folder " + folder.getFullPathName() + " already holds " + juce::String (existing.size())
                + " backup files (" + existing[0].getFileName() + "). Replace them with this backup?",
            "Replace", "Cancel", nullptr, juce::ModalCallbackFunction::create ([&midi, timing, folder] (int result) {
                if (result != 0 && findOpen() == nullptr)
                    new LibrarianWindow ("Back Up All Slots", midi, Direction::backup, allSlots(), folder, true,
                                         timing);
            }));
    });
}

void LibrarianWindow::restoreSlots (MidiManager& midi, juce::File& lastDirectory, OrbEditorEngine::Timing timing)
{
    if (findOpen() != nullptr)
        return;

    // A backup folder, or any number of preset files picked in one folder.
    FileChooserService::Request request {
        "Select Backup Folder or Presets to restore", lastDirectory, OrbMiniModel::presetWildcard, false, true, true
    };

    FileChooserService::getCurrent().chooseFiles (
        request, [&midi, &lastDirectory, timing] (const juce::Array<juce::File>& chosen) {
            if (chosen.isEmpty() || LibrarianWindow::findOpen() != nullptr)
                return;

            const bool isFolder = chosen.size() == 1 && chosen.getFirst().isDirectory();
            const auto where = isFolder ? chosen.getFirst() : chosen.getFirst().getParentDirectory();
            lastDirectory = where;

            juce::Array<juce::File> files;
            for (const auto& file : chosen)
                if (file.existsAsFile())
                    files.add (file);

            auto plan = isFolder ? LibrarianPlan::assignSlots (where) : LibrarianPlan::assignSlots (files);

            if (plan.empty())
            {
                juce::AlertWindow::showMessageBoxAsync (
                    juce::MessageBoxIconType::WarningIcon, "Restore Slots",
                    isFolder ? "The folder " + where.getFullPathName() + " holds no preset files."
                             : juce::String ("None of the chosen files could be found."));
                return;
            }

            new LibrarianWindow ("Restore Slots", midi, Direction::restore, std::move (plan), {}, false, timing);
        });
}
