#pragma once

#include "midi/OrbEditorEngine.h"
#include "model/ControlType.h"
#include "model/PresetPresentation.h"
#include "widgets/SingleParameterControllerComboBox.h"

#include <memory>

// The channel list of a wheel view ("1" to "16", then "Omni"): captioned "MIDI Channel", bound to
// the wheel's own channel parameter ("Pitch Wheel MIDI Channel", "Mod Wheel MIDI Channel").
struct WheelChannelSelector
{
    static std::unique_ptr<SingleParameterControllerComboBox> create (OrbEditorEngine::Ptr engine,
                                                                      const juce::String& wheel)
    {
        const auto parameter = wheel + " MIDI Channel";
        auto selector = std::make_unique<SingleParameterControllerComboBox> (
            std::move (engine), "MIDI Channel", ControlType::wheels,
            PresetPresentation::getParameter (ControlType::wheels, parameter).entries, nullptr);
        selector->rebind (parameter);
        return selector;
    }

    WheelChannelSelector() = delete;
};
