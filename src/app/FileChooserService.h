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

    struct Request
    {
        juce::String title;
        juce::File startingDirectory;
        juce::String wildcard;
        bool forSaving = false;
        bool forFolder = false;   // a folder is chosen, not a file
    };

    virtual ~FileChooserService() = default;

    virtual void chooseFile (const Request& request, Callback callback) = 0;

    // The answerer in use: the one installed by setCurrent, or the platform's file chooser.
    static FileChooserService& getCurrent();
    // Installs another answerer (not owned); null returns to the platform's file chooser.
    static void setCurrent (FileChooserService* service);
};
