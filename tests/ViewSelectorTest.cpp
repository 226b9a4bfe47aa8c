#include "views/ArtworkImages.h"
#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

#include "TestOutput.h"

namespace
{
// Writes "name:index" into a log shared by several listeners.
struct Recorder : ViewSelector::Listener
{
    Recorder (juce::StringArray& sharedLog, juce::String tag) : log (sharedLog), name (tag) {}
    void viewSelected (int viewIndex) override { log.add (name + ":" + juce::String (viewIndex)); }
    juce::StringArray& log;
    juce::String name;
};
} // namespace

TEST (ViewSelector, ClicksReachListenersFromTheLastAddedAndMarkingNotifiesNoOne)
{
    TabSelectorButtons tabs;
    juce::StringArray log;
    Recorder first (log, "first"), second (log, "second");
    tabs.addListener (&first);
    tabs.addListener (&second);
    tabs.addListener (&first);
    tabs.addListener (nullptr);

    tabs.buttonClicked (tabs.getViewButton (4));
    EXPECT_EQ (log, juce::StringArray ({ "second:4", "first:4" }));

    // Marking a tab turns it on and tells no one.
    tabs.setSelectedView (1);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    EXPECT_TRUE (tabs.getViewButton (1)->getToggleState());
    EXPECT_EQ (log.size(), 2);
}

TEST (ViewSelector, RegionPicturesMatchTheProductPictureAndChangeWithTheirState)
{
    const auto product = ArtworkImages::get (ArtworkImages::productImage);
    OrbMiniProductProductImageViewSelector selector;

    for (int i = 0; i < selector.getNumViewButtons(); ++i)
    {
        auto* button = dynamic_cast<juce::ImageButton*> (selector.getViewButton (i));
        ASSERT_NE (button, nullptr);
        const auto normal = button->getNormalImage(), over = button->getOverImage(), down = button->getDownImage();

        // the resting region is the picture underneath it, so nothing shifts on hover or selection
        EXPECT_TRUE (samePixels (normal, product.getClippedImage (button->getBounds()))) << i;
        EXPECT_TRUE (over.getBounds() == normal.getBounds() && down.getBounds() == normal.getBounds()) << i;
        EXPECT_FALSE (samePixels (normal, over) || samePixels (normal, down) || samePixels (over, down)) << i;
    }
}
