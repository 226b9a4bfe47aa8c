#include "views/ArtworkImages.h"
#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

#include "TestOutput.h"

#include <gtest/gtest.h>

namespace
{
// Writes "name:index" into a log shared by several listeners.
struct Recorder : ViewSelector::Listener
{
    Recorder (std::vector<juce::String>& sharedLog, juce::String tag) : log (sharedLog), name (tag) {}
    void viewSelected (int viewIndex) override { log.push_back (name + ":" + juce::String (viewIndex)); }

    std::vector<juce::String>& log;
    juce::String name;
};
} // namespace

// Every pixel of a picture region is clickable, transparent or not.
TEST (ViewSelector, TransparentPartsOfARegionTakeClicks)
{
    OrbMiniProductProductImageViewSelector product;
    auto* keybed = product.getViewButton (3);
    EXPECT_TRUE (keybed->hitTest (0, 0));
    EXPECT_TRUE (keybed->hitTest (keybed->getWidth() - 1, keybed->getHeight() - 1));
}

TEST (ViewSelector, ClicksReachListenersFromTheLastAddedAndMarkingNotifiesNoOne)
{
    TabSelectorButtons tabs;
    std::vector<juce::String> log;
    Recorder first (log, "first"), second (log, "second");
    tabs.addListener (&first);
    tabs.addListener (&second);
    tabs.addListener (&first);
    tabs.addListener (nullptr);

    tabs.buttonClicked (tabs.getViewButton (4));
    EXPECT_EQ (log, (std::vector<juce::String> { "second:4", "first:4" }));

    // Marking a tab turns it on and tells no one.
    tabs.setSelectedView (1);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    EXPECT_TRUE (tabs.getViewButton (1)->getToggleState());
    EXPECT_EQ (log.size(), 2u);
}

TEST (ViewSelector, RegionPicturesMatchTheProductPictureAndChangeWithTheirState)
{
    const auto product = ArtworkImages::get (ArtworkImages::productImage);
    OrbMiniProductProductImageViewSelector selector;

    for (int i = 0; i < selector.getNumViewButtons(); ++i)
    {
        auto* button = dynamic_cast<juce::ImageButton*> (selector.getViewButton (i));
        ASSERT_NE (button, nullptr);
        const auto normal = button->getNormalImage();

        // the resting region is the picture underneath it, so nothing shifts on hover or selection
        EXPECT_TRUE (samePixels (normal, product.getClippedImage (button->getBounds()))) << button->getName();
        EXPECT_EQ (button->getOverImage().getBounds(), normal.getBounds()) << button->getName();
        EXPECT_EQ (button->getDownImage().getBounds(), normal.getBounds()) << button->getName();
        EXPECT_FALSE (samePixels (normal, button->getOverImage())) << button->getName();
        EXPECT_FALSE (samePixels (normal, button->getDownImage())) << button->getName();
        EXPECT_FALSE (samePixels (button->getOverImage(), button->getDownImage())) << button->getName();
    }
}
