#include "views/OrbMiniProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

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

TEST (ViewSelector, TabRowHoldsNineTabsInViewOrder)
{
    TabSelectorButtons tabs;
    const char* names[] = { "Main View Selector Button", "Knob Selector Button", "Switches Selector Button",
                            "Drum Pad Selector Button", "Roll Mode Selector Button", "Transport Selector Button",
                            "Keybed Selector Button", "Pitch/Mod Wheel Selector Button", "Sustain Selector Button" };
    ASSERT_EQ (tabs.getNumChildComponents(), 9);
    ASSERT_EQ (tabs.getNumViewButtons(), 9);

    for (int i = 0; i < 9; ++i)
    {
        EXPECT_EQ (tabs.getChildComponent (i), tabs.getViewButton (i));
        EXPECT_EQ (tabs.getViewIndex (i), i);
        EXPECT_EQ (tabs.getViewButton (i)->getName(), names[i]);
        EXPECT_TRUE (tabs.getBounds().contains (tabs.getViewButton (i)->getBounds()));
    }
}

TEST (ViewSelector, ProductPictureRegionsSitWhereTheDeviceHasThem)
{
    OrbMiniProductProductImageViewSelector product;

    struct Region { const char* name; int index; juce::Rectangle<int> bounds; };
    // in registration order, which is also the order of the children above the picture
    const Region expected[] = {
        { "Drum Pad Selector Button", 3, { 10, 146, 203, 203 } },  { "Knob Selector Button", 1, { 413, 16, 321, 23 } },
        { "Switches Selector Button", 2, { 408, 40, 332, 74 } },   { "Keybed Selector Button", 6, { 220, 156, 529, 221 } },
        { "Wheel Selector Button", 7, { 25, 10, 84, 113 } },       { "Transport Selector Button", 5, { 150, 100, 202, 20 } },
        { "Roll Mode Selector Button", 5, { 218, 74, 32, 21 } },   { "Roll Mode Selector Button", 4, { 252, 74, 31, 20 } },
        { "Octave Selector Button", 6, { 150, 74, 65, 20 } },
    };

    ASSERT_EQ (product.getNumViewButtons(), 9);
    ASSERT_EQ (product.getNumChildComponents(), 10);
    EXPECT_NE (dynamic_cast<juce::ImageComponent*> (product.getChildComponent (0)), nullptr);
    EXPECT_EQ (product.getChildComponent (0)->getBounds(), product.getLocalBounds());

    for (int i = 0; i < 9; ++i)
    {
        auto* button = product.getViewButton (i);
        EXPECT_EQ (product.getChildComponent (i + 1), button);
        EXPECT_EQ (button->getName(), expected[i].name);
        EXPECT_EQ (product.getViewIndex (i), expected[i].index) << i;
        EXPECT_EQ (button->getBounds(), expected[i].bounds) << i;
    }

    // every pixel of a region is clickable, transparent or not
    auto* keybed = product.getViewButton (3);
    EXPECT_TRUE (keybed->hitTest (0, 0));
    EXPECT_TRUE (keybed->hitTest (528, 220));
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

    // A marked button shows its down picture.
    auto* knobs = dynamic_cast<juce::ImageButton*> (tabs.getViewButton (1));
    ASSERT_NE (knobs, nullptr);
    EXPECT_TRUE (knobs->getOverImage().isValid());
    ASSERT_TRUE (knobs->getDownImage().isValid());
    tabs.setSelectedView (1);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    EXPECT_TRUE (knobs->getToggleState());
    EXPECT_EQ (log.size(), 2u);

    const auto snapshot = knobs->createComponentSnapshot (knobs->getLocalBounds());
    const juce::Image::BitmapData shown (snapshot, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData down (knobs->getDownImage(), juce::Image::BitmapData::readOnly);
    EXPECT_EQ (shown.getPixelColour (5, 20), down.getPixelColour (5, 20));
}
