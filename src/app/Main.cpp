#include "app/DisplayCheck.h"
#include "app/KestrinOrbMiniEditorApplication.h"

#include <iostream>

JUCE_CREATE_APPLICATION_DEFINE (KestrinOrbMiniEditorApplication)

int main (int argc, char* argv[])
{
#if JUCE_LINUX || JUCE_BSD
    // A second start that only hands its files over needs no display; any other start does.
    if (! DisplayCheck::isReachable())
    {
        if (KestrinOrbEditorApplication::handOverToRunningEditor (juce::StringArray (argv + 1, argc - 1)))
            return 0;

        std::cerr << DisplayCheck::describeMissingDisplay() << std::endl;
        return 1;
    }
#endif

    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}
