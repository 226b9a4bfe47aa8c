#pragma once

#include "widgets/NumberBox.h"
#include "widgets/UIParameterInterface.h"

#include <memory>

// A caption on the left (0..100) and a number box on the right (100..200, 18 high).
// The owner gives the pair its bounds; 200 by 18 holds both.
class NumberBoxWithLabel : public UIParameterInterface
{
public:
    NumberBoxWithLabel (int minimum, int maximum, const juce::String& caption, NumberBox::Listener* listener);
    ~NumberBoxWithLabel() override;

    // Shows the value and notifies the box's listeners (out-of-range values are refused by the box).
    void setValue (int shownValue) override;

    NumberBox& getNumberBox() { return *numberBox; }
    juce::Label& getLabel() { return *label; }

protected:
    std::unique_ptr<NumberBox> numberBox;
    std::unique_ptr<juce::Label> label;
};
