#include "views/SectionViewFactory.h"

#include "views/KeybedControlView.h"
#include "views/KnobBank.h"
#include "views/MainSectionView.h"
#include "views/PadBank.h"
#include "views/RollModeBank.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TransportBank.h"
#include "views/WheelBank.h"

std::unique_ptr<juce::Component> createSectionView (int viewIndex, OrbEditorEngine::Ptr engine, int numKnobs,
                                                    int numPads, int numSwitches)
{
    switch (viewIndex)
    {
        case 0: return std::make_unique<MainSectionView> (engine);
        case 1: return std::make_unique<KnobBank> (numKnobs, engine);
        case 2: return std::make_unique<SwitchBank> (numSwitches, engine);
        case 3: return std::make_unique<PadBank> (numPads, engine);
        case 4: return std::make_unique<RollModeBank> (engine);
        case 5: return std::make_unique<TransportBank> (engine);
        case 6: return std::make_unique<KeybedControlView> (engine);
        case 7: return std::make_unique<WheelBank> (engine);
        case 8: return std::make_unique<SustainBank> (engine);
        default: return nullptr;
    }
}
