#include "app/FileChooserService.h"

#include <memory>

namespace
{
// The platform's file chooser, opened asynchronously. Several may be open at once (one per
// editor window); each is released once it has answered.
class NativeFileChooserService : public FileChooserService,
                                 private juce::DeletedAtShutdown
{
public:
    ~NativeFileChooserService() override { clearSingletonInstance(); }

    void chooseFile (const Request& request, Callback callback) override
    {
        auto chooser = std::make_unique<juce::FileChooser> (request.title, request.startingDirectory,
                                                            request.wildcard, true);
        auto flags = request.forSaving ? juce::FileBrowserComponent::saveMode
                                           | juce::FileBrowserComponent::warnAboutOverwriting
                                       : juce::FileBrowserComponent::openMode;
        flags |= request.forFolder ? juce::FileBrowserComponent::canSelectDirectories
                                   : juce::FileBrowserComponent::canSelectFiles;

        auto* raw = chooser.get();
        open.add (chooser.release());

        raw->launchAsync (flags, [this, raw, callback = std::move (callback)] (const juce::FileChooser& fc)
        {
            const auto chosen = fc.getResult();

            // The chooser is still inside its own call: let it go once that has returned.
            if (auto* finished = open.removeAndReturn (open.indexOf (raw)))
                juce::MessageManager::callAsync ([owned = std::shared_ptr<juce::FileChooser> (finished)] {});

            if (callback)
                callback (chosen);
        });
    }

    JUCE_DECLARE_SINGLETON_SINGLETHREADED_MINIMAL (NativeFileChooserService)

private:
    juce::OwnedArray<juce::FileChooser> open;
};

JUCE_IMPLEMENT_SINGLETON (NativeFileChooserService)

FileChooserService* installed = nullptr;
} // namespace

FileChooserService& FileChooserService::getCurrent()
{
    if (installed != nullptr)
        return *installed;

    return *NativeFileChooserService::getInstance();
}

void FileChooserService::setCurrent (FileChooserService* service)
{
    installed = service;
}
