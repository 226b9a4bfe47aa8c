#include "views/TransportControllerComboBox.h"

TransportControllerComboBox::TransportControllerComboBox (OrbEditorEngine::Ptr engineToUse, const juce::String& name,
                                                          int index, const juce::StringArray& entries)
    : ComboBoxWithLabel (entries, name, nullptr), TransportController (this, std::move (engineToUse), name, index)
{
    comboBox->addListener (this);
    refreshWidget();
}

TransportControllerComboBox::~TransportControllerComboBox()
{
    comboBox->removeListener (this);
}

void TransportControllerComboBox::comboBoxChanged (juce::ComboBox* box)
{
    // A value with no entry leaves nothing selected; there is nothing to store then.
    if (box == comboBox.get() && box->getSelectedId() != 0)
        widgetValueChanged (box->getSelectedId() - 1);
}
