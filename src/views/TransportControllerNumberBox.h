#pragma once

#include "views/TransportController.h"
#include "widgets/NumberBoxWithLabel.h"

// A captioned number box bound to a parameter of one transport button. The caption is the
// parameter name.
class TransportControllerNumberBox : public NumberBoxWithLabel, public TransportController, public NumberBox::Listener
{
public:
    TransportControllerNumberBox (OrbEditorEngine::Ptr engine, const juce::String& parameterName, int buttonIndex,
                                  int minimum, int maximum);
    ~TransportControllerNumberBox() override;

    void setValue (int shownValue) override { NumberBoxWithLabel::setValue (shownValue); }
    void numberBoxChanged (NumberBox* box) override;
};
