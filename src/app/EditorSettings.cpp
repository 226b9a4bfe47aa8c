#include "app/EditorSettings.h"

namespace
{
constexpr const char* zoomKey = "zoom";
constexpr const char* recentFilesKey = "recentFiles";

const char* folderKey (FileChooserService::FolderMemory::Kind kind)
{
    switch (kind)
    {
        case FileChooserService::FolderMemory::Kind::save: return "saveFolder";
        case FileChooserService::FolderMemory::Kind::backup: return "backupFolder";
        case FileChooserService::FolderMemory::Kind::open: break;
    }
    return "openFolder";
}

juce::PropertiesFile::Options fileOptions()
{
    juce::PropertiesFile::Options options;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.millisecondsBeforeSaving = -1; // written by write(), at once, on every change
    return options;
}

// Set aside, not deleted: the user may want what was in it.
bool moveAside (const juce::File& file)
{
    const auto bad = file.getSiblingFile (file.getFileName() + ".bad");
    if (bad.isDirectory())
        bad.deleteRecursively();
    else
        bad.deleteFile();
    return file.moveFileTo (bad);
}
} // namespace

juce::File EditorSettings::getDefaultFile()
{
    auto config = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});
    // A relative path is not a valid place by the freedesktop rules.
    const auto base = juce::File::isAbsolutePath (config)
                          ? juce::File (config)
                          : juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile (".config");
    return base.getChildFile ("orbmini-editor").getChildFile ("settings.xml");
}

EditorSettings::EditorSettings (const juce::File& settingsFile) : file (settingsFile)
{
    properties = std::make_unique<juce::PropertiesFile> (file, fileOptions());

    if (! properties->isValidFile())
    {
        movedAside = moveAside (file);
        properties = std::make_unique<juce::PropertiesFile> (file, fileOptions());
    }

    recentFiles.setMaxNumberOfItems (maxRecentFiles);
    recentFiles.restoreFromString (properties->getValue (recentFilesKey));
}

EditorSettings::~EditorSettings() = default;

juce::MidiDeviceInfo EditorSettings::getPort (const juce::String& direction) const
{
    return { properties->getValue (direction + "Name"), properties->getValue (direction + "Identifier") };
}

void EditorSettings::setPort (const juce::String& direction, const juce::MidiDeviceInfo& port)
{
    if (getPort (direction) == port)
        return;
    properties->setValue (direction + "Name", port.name);
    properties->setValue (direction + "Identifier", port.identifier);
    write();
}

float EditorSettings::getZoom() const
{
    return (float) properties->getDoubleValue (zoomKey, 0.0);
}

void EditorSettings::setZoom (float fixedScale)
{
    set (zoomKey, fixedScale);
}

juce::File EditorSettings::getFolder (Kind kind) const
{
    const auto path = properties->getValue (folderKey (kind));
    return juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
}

void EditorSettings::setFolder (Kind kind, const juce::File& folder)
{
    set (folderKey (kind), folder.getFullPathName());
}

void EditorSettings::addRecentFile (const juce::File& opened)
{
    recentFiles.addFile (opened);
    juce::RecentlyOpenedFilesList::registerRecentFileNatively (opened);
    set (recentFilesKey, recentFiles.toString());
}

void EditorSettings::clearRecentFiles()
{
    recentFiles.clear();
    set (recentFilesKey, recentFiles.toString());
}

void EditorSettings::set (const juce::String& key, const juce::var& value)
{
    if (properties->containsKey (key) && properties->getValue (key) == value.toString())
        return;
    properties->setValue (key, value);
    write();
}

void EditorSettings::write()
{
    writeFailed = ! properties->save();
}
