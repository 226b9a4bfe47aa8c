#include "widgets/DoubleParameterControllerComboBox.h"

DoubleParameterControllerComboBox::DoubleParameterControllerComboBox (OrbEditorEngine::Ptr engineToUse,
                                                                      const juce::String& name, std::uint8_t index,
                                                                      int type, const juce::StringArray& entries,
                                                                      juce::ComboBox::Listener* extraListener)
    : ComboBoxWithLabel (entries, name, extraListener),
      DoubleParameterController (this, std::move (engineToUse), name, index, type, 0)
{
    comboBox->addListener (this);
    refreshWidget();
}

DoubleParameterControllerComboBox::~DoubleParameterControllerComboBox()
{
    comboBox->removeListener (this);
}

void DoubleParameterControllerComboBox::comboBoxChanged (juce::ComboBox* box)
{
    // A value with no entry leaves nothing selected; there is nothing to store then.
    if (box == comboBox.get() && box->getSelectedId() != 0)
        widgetValueChanged (box->getSelectedId() - 1);
}
