#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>

// The scale of every window of the editor: the desktop's own (the default) or one the user picks in "Options > Zoom". Layouts stay in the
// editor's own pixels; the framework draws them, text included, at the scale, and the pictures come
// from the set made for it.
class EditorZoom
{
public:
    enum CommandIDs
    {
        zoom100Command = 0x200320,
        zoom125Command = 0x200330,
        zoom150Command = 0x200340,
        zoom200Command = 0x200350,
        followDesktopCommand = 0x200360
    };

    static constexpr std::array<juce::CommandID, 5> commandIDs { zoom100Command, zoom125Command, zoom150Command,
                                                                 zoom200Command, followDesktopCommand };

    // desktopScale tells the desktop's scale; it is asked at construction and whenever the user
    // goes back to following the desktop. Construction applies it, or the fixed scale when one is
    // given (the one chosen in an earlier run).
    explicit EditorZoom (std::function<float()> desktopScale, float fixedScale = 0.0f);

    float getScale() const noexcept { return scale; }
    bool isFollowingDesktop() const noexcept { return followingDesktop; }

    void followDesktop();
    void setFixedScale (float newScale);

    // The zoom commands' names and ticks ("ticked" = the scale in use, and "Follow Desktop" while
    // following); false for any other command.
    bool getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) const;

    // Performs a zoom command; false for any other command.
    bool perform (juce::CommandID commandID);

    // The "Zoom" submenu: "100 %", "125 %", "150 %", "200 %", "Follow Desktop".
    static juce::PopupMenu createMenu (juce::ApplicationCommandManager* commandManager);

private:
    std::function<float()> desktopScale;
    float scale = 1.0f;
    bool followingDesktop = true;

    // Scales every window on the desktop, keeping its size in the editor's pixels and its corner
    // where it is on the screen, and shows the pictures of the set for the scale.
    void apply (float newScale);

    JUCE_DECLARE_NON_COPYABLE (EditorZoom)
};
