#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cstdlib>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // The editor keeps its settings under XDG_CONFIG_HOME: the tests keep theirs in a scratch
    // folder of this run, never the user's.
    const auto config = juce::File::createTempFile ("orbmini-test-config");
    config.createDirectory();
    setenv ("XDG_CONFIG_HOME", config.getFullPathName().toRawUTF8(), 1);

    // The framework treats the process as a standalone app only when an application factory is
    // set; only then does it install its X error handlers, without which a fresh X server that
    // lacks some window-manager atoms would end the process on the first window.
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };

    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juce;
        result = RUN_ALL_TESTS();
    }
    config.deleteRecursively();
    return result;
}
