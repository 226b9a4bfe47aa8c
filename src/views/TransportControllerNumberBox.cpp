#include "views/TransportControllerNumberBox.h"

TransportControllerNumberBox::TransportControllerNumberBox (OrbEditorEngine::Ptr engineToUse, const juce::String& name,
                                                            int index, int minimum, int maximum)
    : NumberBoxWithLabel (minimum, maximum, name, nullptr),
      TransportController (this, std::move (engineToUse), name, index)
{
    numberBox->addListener (this);
    refreshWidget();
}

TransportControllerNumberBox::~TransportControllerNumberBox()
{
    numberBox->removeListener (this);
}

void TransportControllerNumberBox::numberBoxChanged (NumberBox* box)
{
    if (box == numberBox.get())
        widgetValueChanged ((int) box->getValue());
}
