# Most of a compile of one of our files is spent reading the framework's headers: every file that
# draws pulls in the whole GUI module, a few seconds each. orbmini_precompile_headers(<target>
# <level>) reads them once per target instead. ENGINE is the framework's non-GUI modules (what the
# engine's own files may use); GUI adds the graphics and GUI modules; TESTS adds GoogleTest.
# The framework's module sources compiled into our libraries set their own macros before their
# headers, so they never take a precompiled header (orbmini_compile_juce_modules marks them).
# ORBMINI_PRECOMPILED_HEADERS=OFF builds every file from its own includes alone.
option(ORBMINI_PRECOMPILED_HEADERS "Precompile the framework's headers" ON)

set(ORBMINI_PCH_ENGINE
    <juce_core/juce_core.h>
    <juce_events/juce_events.h>
    <juce_data_structures/juce_data_structures.h>
    <juce_audio_basics/juce_audio_basics.h>
    <juce_audio_devices/juce_audio_devices.h>
    <algorithm> <atomic> <condition_variable> <deque> <functional> <memory> <mutex> <optional>
    <thread> <vector>)
set(ORBMINI_PCH_GUI ${ORBMINI_PCH_ENGINE}
    <juce_graphics/juce_graphics.h>
    <juce_gui_basics/juce_gui_basics.h>
    <juce_gui_extra/juce_gui_extra.h>)
set(ORBMINI_PCH_TESTS ${ORBMINI_PCH_GUI} <gtest/gtest.h>)

function(orbmini_precompile_headers target level)
    if(ORBMINI_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ORBMINI_PCH_${level}})
    endif()
endfunction()
