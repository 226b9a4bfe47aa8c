#include "views/GenericControlView.h"

#include "views/VerticalStack.h"

GenericControlView::GenericControlViewControlGroup::GenericControlViewControlGroup (
    const juce::Array<juce::Component*>& groupWidgets)
{
    for (auto* widget : groupWidgets)
        if (widget != nullptr)
            widgets.add (widget);

    VerticalStack::place (*this, widgets, 0, 18);
}

GenericControlView::GenericControlViewControlGroup::~GenericControlViewControlGroup() = default;

GenericControlView::GenericControlView (const juce::String& title)
{
    setSize (300, 200);

    titleLabel = std::make_unique<juce::Label> (title, title);
    titleLabel->setBounds (70, 0, 300, 18);
    titleLabel->setColour (juce::Label::textColourId, juce::Colour (0xFFFFFFFF));
    titleLabel->setFont (juce::Font (18.0f));
    addAndMakeVisible (titleLabel.get());
}

void GenericControlView::offerSettingsMenu (OrbEditorEngine::Ptr engine, ControlType controlType, int instanceIndex)
{
    settingsMenu = std::make_unique<ControlSettingsMenu> (*titleLabel, std::move (engine), controlType, instanceIndex);
}

// The concrete view's members (the mode selector and the widgets) are gone by now.
GenericControlView::~GenericControlView() = default;

void GenericControlView::setModeSelector (ComboBoxWithLabel* selector)
{
    if (selector == nullptr)
        return;

    if (modeSelector != nullptr)
        modeSelector->getComboBox().removeListener (this);

    modeSelector = selector;
    modeSelector->getComboBox().addListener (this);
    modeSelector->setBounds (0, titleLabel->getBottom() + 10, 200, 18);
    addAndMakeVisible (modeSelector);
}

void GenericControlView::addControlGroup (const juce::String& groupName, const juce::Array<juce::Component*>& widgets)
{
    const int top = modeSelector != nullptr ? modeSelector->getBottom() + 5 : titleLabel->getBottom() + 33;

    if (modeSelector != nullptr)
    {
        auto& list = modeSelector->getComboBox();
        list.addItem (groupName, list.getNumItems() + 1);
    }

    auto* group = controlGroups.add (new GenericControlViewControlGroup (widgets));
    group->setName (groupName);
    group->setBounds (0, top, 200, 180);
    addChildComponent (group);
}

void GenericControlView::showControlGroup (int index)
{
    for (int i = 0; i < controlGroups.size(); ++i)
        controlGroups.getUnchecked (i)->setVisible (i == index);
}

void GenericControlView::comboBoxChanged (juce::ComboBox* box)
{
    if (box != nullptr)
        showControlGroup (box->getSelectedId() - 1);
}
