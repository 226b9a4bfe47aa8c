#include "views/SectionViewFactory.h"

#include "views/MainSectionView.h"

std::unique_ptr<juce::Component> createSectionView (int viewIndex, OrbEditorEngine::Ptr engine, int numKnobs,
                                                    int numPads, int numSwitches)
{
    juce::ignoreUnused (numKnobs, numPads, numSwitches);

    switch (viewIndex)
    {
        case 0: return std::make_unique<MainSectionView> (engine);

        // The section views of indices 1 to 8 are not built yet: an empty area of their size.
        case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:
        {
            auto view = std::make_unique<juce::Component> ("Section View " + juce::String (viewIndex));
            view->setSize (1200, 200);
            return view;
        }

        default: return nullptr;
    }
}
