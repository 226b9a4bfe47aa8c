#include "widgets/DoubleParamterControllerNumberBox.h"

DoubleParamterControllerNumberBox::DoubleParamterControllerNumberBox (OrbEditorEngine::Ptr engineToUse,
                                                                      const juce::String& name, std::uint8_t index,
                                                                      int type, int minimum, int maximum, int offset)
    : NumberBoxWithLabel (minimum, maximum, name, nullptr),
      DoubleParameterController (this, std::move (engineToUse), name, index, type, offset)
{
    numberBox->addListener (this);
    refreshWidget();
}

DoubleParamterControllerNumberBox::~DoubleParamterControllerNumberBox()
{
    numberBox->removeListener (this);
}

void DoubleParamterControllerNumberBox::numberBoxChanged (NumberBox* box)
{
    if (box == numberBox.get())
        widgetValueChanged ((int) box->getValue());
}
