#include "widgets/DoubleParameterController.h"

DoubleParameterController::DoubleParameterController (UIParameterInterface* widgetToDrive,
                                                      OrbEditorEngine::Ptr engineToUse, const juce::String& name,
                                                      std::uint8_t index, ControlType type, int offset)
    : ParameterBinding (widgetToDrive, std::move (engineToUse), name, type, index, offset), instanceIndex (index)
{}

DoubleParameterController::~DoubleParameterController() = default;

void DoubleParameterController::storeInGroup (std::uint8_t value)
{
    engine->setControlParameter (controlType, instanceIndex, parameterName, value, false);
}
