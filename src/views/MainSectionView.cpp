#include "views/MainSectionView.h"

#include "views/ArtworkImages.h"

MainSectionView::MainSectionView (OrbEditorEngine::Ptr e) : engine (std::move (e))
{
    struct ButtonArt
    {
        const char* name;
        const char* normal;
        const char* over;
    };

    // The caption is drawn in the pictures; pressing keeps the normal picture.
    const ButtonArt art[] = { { getFromHardwareName, ArtworkImages::getPresetNormal, ArtworkImages::getPresetOver },
                              { sendToHardwareName, ArtworkImages::sendPresetNormal, ArtworkImages::sendPresetOver },
                              { saveToFileName, ArtworkImages::savePresetNormal, ArtworkImages::savePresetOver },
                              { loadFromFileName, ArtworkImages::loadPresetNormal, ArtworkImages::loadPresetOver } };

    for (const auto& each : art)
    {
        auto* button = new juce::ImageButton (each.name);
        ArtworkImages::setButtonImages (*button, each.normal, each.over, each.normal);
        buttons.add (button);
        addAndMakeVisible (button);
    }

    setSize (1200, 200);
}

MainSectionView::~MainSectionView() = default;

void MainSectionView::addButtonListener (juce::Button::Listener* listener)
{
    if (listener == nullptr)
        return;

    for (auto* button : buttons)
        button->addListener (listener);
}

void MainSectionView::resized()
{
    int y = 5;

    for (auto* button : buttons)
    {
        button->setTopLeftPosition (5, y);
        y += button->getHeight() + 10;
    }
}
