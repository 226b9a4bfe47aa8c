#include "views/EditorComponent.h"

#include "views/ArtworkImages.h"
#include "views/SectionViewFactory.h"
#include "views/MainSectionView.h"

EditorComponent::EditorComponent (ViewSelector* tabSelector, ViewSelector* pictureSelector, OrbEditorEngine::Ptr e,
                                  int numKnobs, int numPads, int numSwitches)
    : engine (std::move (e))
{
    setLookAndFeel (&look);

    selectors.add (tabSelector);
    selectors.add (pictureSelector);

    background = std::make_unique<juce::ImageComponent> ("Background Image");
    ArtworkImages::setPicture (*background, ArtworkImages::background);
    addAndMakeVisible (background.get());
    setSize (background->getWidth(), background->getHeight());

    if (tabSelector != nullptr)
    {
        tabSelector->setTopLeftPosition (0, 450);
        addAndMakeVisible (tabSelector);
        tabSelector->addListener (this);
    }

    if (pictureSelector != nullptr)
    {
        pictureSelector->setTopLeftPosition ((getWidth() - pictureSelector->getWidth()) / 2, 50);
        addAndMakeVisible (pictureSelector);
        pictureSelector->addListener (this);
    }

    for (int index = 0; index < numViews; ++index)
    {
        auto view = createSectionView (index, engine, numKnobs, numPads, numSwitches);

        if (view == nullptr)
            view = std::make_unique<juce::Component>();

        views.add (view.release());
    }

    for (auto* view : views)
    {
        addChildComponent (view);
        view->setTopLeftPosition (0, 490);
    }

    // The views were built before they had a parent: let their widgets take the editor's look now,
    // while every view is a child, rather than when each is first shown.
    sendLookAndFeelChange();

    addChildComponent (focusRing);
    viewSelected (0);
}

bool EditorComponent::keyPressed (const juce::KeyPress& key)
{
    const auto code = key.getKeyCode();

    // Tab goes on to move the focus; the ring marks where it lands.
    if (code == juce::KeyPress::tabKey)
    {
        focusRing.keyboardMovesFocus();
        return false;
    }

    if (key.getModifiers() == juce::ModifierKeys::commandModifier && code >= '1' && code < '1' + numViews)
    {
        viewSelected (code - '1');
        return true;
    }

    return false;
}

EditorComponent::~EditorComponent()
{
    setLookAndFeel (nullptr);
}

void EditorComponent::viewSelected (int viewIndex)
{
    for (auto* selector : selectors)
        if (selector != nullptr)
            selector->setSelectedView (viewIndex);

    for (int j = 0; j < views.size(); ++j)
    {
        auto* view = views.getUnchecked (j);
        view->setVisible (j == viewIndex);

        if (j != viewIndex)
            removeChildComponent (view);
        else
            addChildComponent (view);
    }

    focusRing.follow (getCurrentlyFocusedComponent());
}

void EditorComponent::swapPictures()
{
    ArtworkImages::swapPictures (*this);

    for (auto* view : views)
        if (view->getParentComponent() != this)
            ArtworkImages::swapPictures (*view);
}

void EditorComponent::addButtonListener (juce::Button::Listener* listener)
{
    if (auto* mainSection = dynamic_cast<MainSectionView*> (views[0]))
        mainSection->addButtonListener (listener);
}
