#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Asks the user for a preset file. The editor goes through this rather than through
// juce::FileChooser directly so that another answerer (a test script) can stand in for the
// person at the native dialog. Where a folder memory is installed, each kind of chooser (open,
// save, backup) starts where the last one of its kind ended, across runs.
class FileChooserService
{
public:
    // Called on the message thread with the chosen file, or with juce::File() when the user
    // cancelled. It may be called before the request returns.
    using Callback = std::function<void (const juce::File& chosen)>;
    // The same for a choice of several: empty when the user cancelled.
    using MultipleCallback = std::function<void (const juce::Array<juce::File>& chosen)>;

    struct Request
    {
        juce::String title;
        juce::File startingDirectory;
        juce::String wildcard;
        bool forSaving = false;
        bool forFolder = false; // a folder is chosen, not a file
        bool alsoFiles = false; // with forFolder: one folder, or any number of files
    };

    // The last folder of each kind of chooser: saving, choosing a folder (backups), or opening.
    class FolderMemory
    {
    public:
        enum class Kind
        {
            open,
            save,
            backup
        };

        virtual ~FolderMemory() = default;
        // juce::File() when none is known.
        virtual juce::File getFolder (Kind kind) const = 0;
        virtual void setFolder (Kind kind, const juce::File& folder) = 0;

        static Kind kindOf (const Request& request);
    };

    virtual ~FileChooserService() = default;

    void chooseFile (const Request& request, Callback callback);
    // A choice of several; an answerer that knows only single choices answers with one.
    void chooseFiles (const Request& request, MultipleCallback callback);

    // The answerer in use: the one installed by setCurrent, or the platform's file chooser.
    static FileChooserService& getCurrent();
    // Installs another answerer (not owned); null returns to the platform's file chooser.
    static void setCurrent (FileChooserService* service);
    // Installs the folder memory (not owned); null forgets the folders.
    static void setFolderMemory (FolderMemory* memory);

protected:
    virtual void showChooser (const Request& request, Callback callback) = 0;
    virtual void showMultipleChooser (const Request& request, MultipleCallback callback);
};
