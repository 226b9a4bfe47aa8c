#include "widgets/SingleParameterControllerNumberBox.h"

SingleParameterControllerNumberBox::SingleParameterControllerNumberBox (OrbEditorEngine::Ptr engineToUse,
                                                                        const juce::String& name, int type,
                                                                        int minimum, int maximum, int offset)
    : NumberBoxWithLabel (minimum, maximum, name, nullptr),
      SingleParameterController (this, std::move (engineToUse), name, type, offset)
{
    numberBox->addListener (this);
    refreshWidget();
}

SingleParameterControllerNumberBox::~SingleParameterControllerNumberBox()
{
    numberBox->removeListener (this);
}

void SingleParameterControllerNumberBox::numberBoxChanged (NumberBox* box)
{
    if (box == numberBox.get())
        widgetValueChanged ((int) box->getValue());
}
