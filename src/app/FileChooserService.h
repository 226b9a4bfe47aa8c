#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Asks the user for a preset file. The editor goes through this rather than through
// juce::FileChooser directly so that another answerer (a test script) can stand in for the
// person at the native dialog.
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

    virtual ~FileChooserService() = default;

    virtual void chooseFile (const Request& request, Callback callback) = 0;
    // A choice of several; an answerer that knows only single choices answers with one.
    virtual void chooseFiles (const Request& request, MultipleCallback callback);

    // The answerer in use: the one installed by setCurrent, or the platform's file chooser.
    static FileChooserService& getCurrent();
    // Installs another answerer (not owned); null returns to the platform's file chooser.
    static void setCurrent (FileChooserService* service);
};
