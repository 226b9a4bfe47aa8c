#include "widgets/SingleParameterControllerComboBox.h"

SingleParameterControllerComboBox::SingleParameterControllerComboBox (OrbEditorEngine::Ptr engineToUse,
                                                                      const juce::String& name, int type,
                                                                      const juce::StringArray& entries,
                                                                      juce::ComboBox::Listener* extraListener)
    : ComboBoxWithLabel (entries, name, extraListener),
      SingleParameterController (this, std::move (engineToUse), name, type, 0)
{
    comboBox->addListener (this);
    refreshWidget();
}

SingleParameterControllerComboBox::~SingleParameterControllerComboBox()
{
    comboBox->removeListener (this);
}

void SingleParameterControllerComboBox::comboBoxChanged (juce::ComboBox* box)
{
    // A value with no entry leaves nothing selected; there is nothing to store then.
    if (box == comboBox.get() && box->getSelectedId() != 0)
        widgetValueChanged (box->getSelectedId() - 1);
}
