#include "app/EditorZoom.h"

#include "app/DesktopScale.h"
#include "views/ArtworkImages.h"
#include "views/EditorComponent.h"

#include <cmath>
#include <utility>
#include <vector>

namespace
{
struct FixedZoom
{
    juce::CommandID id;
    float scale;
    const char* name;
};

constexpr FixedZoom fixedZooms[] = { { EditorZoom::zoom100Command, 1.0f, "100 %" },
                                     { EditorZoom::zoom125Command, 1.25f, "125 %" },
                                     { EditorZoom::zoom150Command, 1.5f, "150 %" },
                                     { EditorZoom::zoom200Command, 2.0f, "200 %" } };

bool sameScale (float a, float b)
{
    return std::abs (a - b) < 0.01f;
}

// Editor components keep their hidden section views out of the component tree: each swaps those
// itself.
void swapPicturesOfEditors (juce::Component& component)
{
    if (auto* editor = dynamic_cast<EditorComponent*> (&component))
    {
        editor->swapPictures();
        return;
    }

    for (auto* child : component.getChildren())
        swapPicturesOfEditors (*child);
}
} // namespace

EditorZoom::EditorZoom (std::function<float()> scaleOfDesktop, float fixedScale)
    : desktopScale (std::move (scaleOfDesktop))
{
    if (fixedScale > 0.0f)
        setFixedScale (fixedScale);
    else
        apply (desktopScale());
}

void EditorZoom::followDesktop()
{
    followingDesktop = true;
    apply (desktopScale());
}

void EditorZoom::setFixedScale (float newScale)
{
    followingDesktop = false;
    apply (newScale);
}

bool EditorZoom::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) const
{
    const auto describe = [&result] (const char* name, bool ticked) {
        result.setInfo (name, {}, "General", 0);
        result.setActive (true);
        result.setTicked (ticked);
    };

    if (commandID == followDesktopCommand)
    {
        describe ("Follow Desktop", followingDesktop);
        return true;
    }

    for (auto& zoom : fixedZooms)
    {
        if (zoom.id == commandID)
        {
            describe (zoom.name, sameScale (zoom.scale, scale));
            return true;
        }
    }

    return false;
}

bool EditorZoom::perform (juce::CommandID commandID)
{
    if (commandID == followDesktopCommand)
    {
        followDesktop();
        return true;
    }

    for (auto& zoom : fixedZooms)
    {
        if (zoom.id == commandID)
        {
            setFixedScale (zoom.scale);
            return true;
        }
    }

    return false;
}

juce::PopupMenu EditorZoom::createMenu (juce::ApplicationCommandManager* commandManager)
{
    juce::PopupMenu menu;

    for (auto id : commandIDs)
        menu.addCommandItem (commandManager, id);

    return menu;
}

void EditorZoom::apply (float newScale)
{
    scale = newScale;

    auto& desktop = juce::Desktop::getInstance();
    const auto oldFactor = desktop.getGlobalScaleFactor();
    const auto newFactor = newScale / DesktopScale::getFrameworkScale();

    if (! sameScale (oldFactor, newFactor))
    {
        // The framework keeps each window's size on the screen when the factor changes: note the
        // sizes in the editor's pixels first, and give them back at the new factor.
        std::vector<std::pair<juce::Component::SafePointer<juce::Component>, juce::Rectangle<int>>> windows;

        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* window = desktop.getComponent (i))
                windows.emplace_back (window, window->getBounds());

        desktop.setGlobalScaleFactor (newFactor);

        for (auto& [window, bounds] : windows)
            if (window != nullptr)
                window->setBounds (
                    bounds.withPosition ((bounds.getPosition().toFloat() * oldFactor / newFactor).toInt()));
    }

    ArtworkImages::useSetForScale (newScale);

    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        if (auto* window = desktop.getComponent (i))
        {
            swapPicturesOfEditors (*window);
            ArtworkImages::swapPictures (*window);
        }
    }
}
