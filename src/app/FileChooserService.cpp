#include "app/FileChooserService.h"

#include <memory>

namespace
{
// The platform's file chooser, opened asynchronously. Several may be open at once (one per
// editor window); each is released once it has answered.
class NativeFileChooserService : public FileChooserService, private juce::DeletedAtShutdown
{
public:
    ~NativeFileChooserService() override { clearSingletonInstance(); }

    void chooseFile (const Request& request, Callback callback) override
    {
        launch (request, [callback = std::move (callback)] (const juce::FileChooser& fc) {
            if (callback)
                callback (fc.getResult());
        });
    }

    void chooseFiles (const Request& request, MultipleCallback callback) override
    {
        launch (request, [callback = std::move (callback)] (const juce::FileChooser& fc) {
            if (callback)
                callback (fc.getResults());
        });
    }

    JUCE_DECLARE_SINGLETON_SINGLETHREADED_MINIMAL (NativeFileChooserService)

private:
    void launch (const Request& request, std::function<void (const juce::FileChooser&)> answered)
    {
        auto chooser =
            std::make_unique<juce::FileChooser> (request.title, request.startingDirectory, request.wildcard, true);
        auto flags = request.forSaving
                         ? juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::warnAboutOverwriting
                         : juce::FileBrowserComponent::openMode;
        flags |= request.forFolder ? juce::FileBrowserComponent::canSelectDirectories
                                   : juce::FileBrowserComponent::canSelectFiles;
        if (request.forFolder && request.alsoFiles)
            flags |= juce::FileBrowserComponent::canSelectFiles | juce::FileBrowserComponent::canSelectMultipleItems;

        auto* raw = chooser.get();
        open.add (chooser.release());

        raw->launchAsync (flags, [this, raw, answered = std::move (answered)] (const juce::FileChooser& fc) {
            // The chooser is still inside its own call: let it go once that has returned.
            if (auto* finished = open.removeAndReturn (open.indexOf (raw)))
                juce::MessageManager::callAsync ([owned = std::shared_ptr<juce::FileChooser> (finished)] {});

            answered (fc);
        });
    }

    juce::OwnedArray<juce::FileChooser> open;
};

JUCE_IMPLEMENT_SINGLETON (NativeFileChooserService)

FileChooserService* installed = nullptr;
} // namespace

void FileChooserService::chooseFiles (const Request& request, MultipleCallback callback)
{
    chooseFile (request, [callback = std::move (callback)] (const juce::File& chosen) {
        if (callback)
            callback (chosen == juce::File() ? juce::Array<juce::File>() : juce::Array<juce::File> { chosen });
    });
}

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
