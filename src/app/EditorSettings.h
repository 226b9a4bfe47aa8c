#pragma once

#include "app/FileChooserService.h"

#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_data_structures/juce_data_structures.h>
#include <juce_gui_extra/juce_gui_extra.h>

#include <memory>

// What the editor keeps of one user between runs, in one XML file written (through a temporary
// file, so never half) on every change: the MIDI ports last chosen, the zoom, the last folder of
// each kind of file chooser and the recently opened files. A file that cannot be read is moved
// aside as "settings.xml.bad" and the editor goes on with the defaults.
class EditorSettings : public FileChooserService::FolderMemory
{
public:
    static constexpr int maxRecentFiles = 10;

    // $XDG_CONFIG_HOME/orbmini-editor/settings.xml, under ~/.config where the variable is unset.
    static juce::File getDefaultFile();

    explicit EditorSettings (const juce::File& file = getDefaultFile());
    ~EditorSettings() override;

    const juce::File& getFile() const { return file; }
    // Set when the file was there but could not be read: it now lies beside as settings.xml.bad.
    bool wasMovedAside() const { return movedAside; }
    // Set when the last change could not be written (a folder that cannot be made, say).
    bool lastWriteFailed() const { return writeFailed; }

    // A port by name, its identifier a hint for which of several ports of that name it was; an
    // empty name when none was chosen.
    juce::MidiDeviceInfo getInput() const { return getPort ("input"); }
    juce::MidiDeviceInfo getOutput() const { return getPort ("output"); }
    void setInput (const juce::MidiDeviceInfo& port) { setPort ("input", port); }
    void setOutput (const juce::MidiDeviceInfo& port) { setPort ("output", port); }

    // The fixed zoom, or 0 when the editor follows the desktop.
    float getZoom() const;
    void setZoom (float fixedScale);

    juce::File getFolder (Kind kind) const override;
    void setFolder (Kind kind, const juce::File& folder) override;

    // Most recent first.
    const juce::RecentlyOpenedFilesList& getRecentFiles() const { return recentFiles; }
    void addRecentFile (const juce::File& opened);
    void clearRecentFiles();

private:
    juce::MidiDeviceInfo getPort (const juce::String& direction) const;
    void setPort (const juce::String& direction, const juce::MidiDeviceInfo& port);
    void set (const juce::String& key, const juce::var& value);
    void write();

    juce::File file;
    bool movedAside = false, writeFailed = false;
    std::unique_ptr<juce::PropertiesFile> properties;
    juce::RecentlyOpenedFilesList recentFiles;

    JUCE_DECLARE_NON_COPYABLE (EditorSettings)
};
