#include "widgets/SingleParameterController.h"

SingleParameterController::SingleParameterController (UIParameterInterface* widgetToDrive,
                                                      OrbEditorEngine::Ptr engineToUse, const juce::String& name,
                                                      ControlType type, int offset)
    : ParameterBinding (widgetToDrive, std::move (engineToUse), name, type, 0, offset)
{}

SingleParameterController::~SingleParameterController() = default;

void SingleParameterController::storeInGroup (std::uint8_t value)
{
    engine->setControlParameter (controlType, parameterName, value, false);
}
