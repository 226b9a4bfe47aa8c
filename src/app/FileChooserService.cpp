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

protected:
    void showChooser (const Request& request, Callback callback) override
    {
        launch (request, [callback = std::move (callback)] (const juce::FileChooser& fc) {
            if (callback)
                callback (fc.getResult());
        });
    }

    void showMultipleChooser (const Request& request, MultipleCallback callback) override
    {
        launch (request, [callback = std::move (callback)] (const juce::FileChooser& fc) {
            if (callback)
                callback (fc.getResults());
        });
    }

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

public:
    JUCE_DECLARE_SINGLETON_SINGLETHREADED_MINIMAL (NativeFileChooserService)
};

JUCE_IMPLEMENT_SINGLETON (NativeFileChooserService)

FileChooserService* installed = nullptr;
FileChooserService::FolderMemory* folderMemory = nullptr;

// The remembered folder of the request's kind, where it still exists, else the caller's.
FileChooserService::Request startingWhereLastEnded (FileChooserService::Request request)
{
    if (folderMemory != nullptr)
        if (const auto folder = folderMemory->getFolder (FileChooserService::FolderMemory::kindOf (request));
            folder.isDirectory())
            request.startingDirectory = folder;
    return request;
}

void rememberFolder (const FileChooserService::Request& request, const juce::File& chosen)
{
    if (folderMemory != nullptr && chosen != juce::File())
        folderMemory->setFolder (FileChooserService::FolderMemory::kindOf (request),
                                 chosen.isDirectory() ? chosen : chosen.getParentDirectory());
}
} // namespace

FileChooserService::FolderMemory::Kind FileChooserService::FolderMemory::kindOf (const Request& request)
{
    if (request.forSaving)
        return Kind::save;
    return request.forFolder ? Kind::backup : Kind::open;
}

void FileChooserService::chooseFile (const Request& request, Callback callback)
{
    showChooser (startingWhereLastEnded (request),
                 [request, callback = std::move (callback)] (const juce::File& chosen) {
                     rememberFolder (request, chosen);
                     if (callback)
                         callback (chosen);
                 });
}

void FileChooserService::chooseFiles (const Request& request, MultipleCallback callback)
{
    showMultipleChooser (startingWhereLastEnded (request),
                         [request, callback = std::move (callback)] (const juce::Array<juce::File>& chosen) {
                             // A folder, or files picked in one folder.
                             if (! chosen.isEmpty())
                                 rememberFolder (request, chosen.getFirst());
                             if (callback)
                                 callback (chosen);
                         });
}

void FileChooserService::showMultipleChooser (const Request& request, MultipleCallback callback)
{
    showChooser (request, [callback = std::move (callback)] (const juce::File& chosen) {
        if (callback)
            callback (chosen == juce::File() ? juce::Array<juce::File>() : juce::Array<juce::File> { chosen });
    });
}

void FileChooserService::setFolderMemory (FolderMemory* memory)
{
    folderMemory = memory;
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
