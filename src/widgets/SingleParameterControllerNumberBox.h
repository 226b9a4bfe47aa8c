#pragma once

#include "widgets/NumberBoxWithLabel.h"
#include "widgets/SingleParameterController.h"

// A captioned number box bound to a parameter of the first group of a type. The caption is the
// parameter name.
class SingleParameterControllerNumberBox : public NumberBoxWithLabel,
                                           public SingleParameterController,
                                           public NumberBox::Listener
{
public:
    SingleParameterControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName,
                                        int controlType, int minimum, int maximum, int displayOffset);
    ~SingleParameterControllerNumberBox() override;

    void setValue (int shownValue) override { NumberBoxWithLabel::setValue (shownValue); }
    void numberBoxChanged (NumberBox* box) override;
};
