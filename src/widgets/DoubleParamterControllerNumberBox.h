#pragma once

#include "widgets/NumberBoxWithLabel.h"
#include "widgets/DoubleParameterController.h"

// A captioned number box bound to a parameter of one instance of a group type. The caption is the
// parameter name.
class DoubleParamterControllerNumberBox : public NumberBoxWithLabel,
                                          public DoubleParameterController,
                                          public NumberBox::Listener
{
public:
    DoubleParamterControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                       std::uint8_t instanceIndex, int controlType, int minimum, int maximum, int displayOffset);
    ~DoubleParamterControllerNumberBox() override;

    void setValue (int shownValue) override { NumberBoxWithLabel::setValue (shownValue); }
    void numberBoxChanged (NumberBox* box) override;
};
