# Most of a compile of one of our files is spent reading the framework's headers: every file that
# draws pulls in the whole GUI module, a few seconds each. orbmini_precompile_headers(<target>
# <level>) reads them once per target instead. ENGINE is the framework's non-GUI modules (what the
# engine's own files may use); GUI adds the graphics and GUI modules; TESTS adds GoogleTest.
# The framework's module sources compiled into our libraries set their own macros before their
# headers, so they never take a precompiled header (orbmini_compile_juce_modules marks them).
# ORBMINI_PRECOMPILED_HEADERS=OFF builds every file from its own includes alone.
option(ORBMINI_PRECOMPILED_HEADERS "Precompile the framework's headers" ON)

# <juce_core/juce_core.h> and so on, for module targets (ORBMINI_ENGINE_MODULES, ORBMINI_GUI_MODULES).
function(orbmini_module_headers out)
    set(headers)
    foreach(module IN LISTS ARGN)
        string(REPLACE "juce::" "" name "${module}")
        list(APPEND headers "<${name}/${name}.h>")
    endforeach()
    set(${out} ${headers} PARENT_SCOPE)
endfunction()

orbmini_module_headers(engine_headers ${ORBMINI_ENGINE_MODULES})
orbmini_module_headers(gui_headers ${ORBMINI_GUI_MODULES})
set(ORBMINI_PCH_ENGINE ${engine_headers}
    <algorithm> <atomic> <condition_variable> <deque> <functional> <memory> <mutex> <optional>
    <thread> <vector>)
set(ORBMINI_PCH_GUI ${ORBMINI_PCH_ENGINE} ${gui_headers})
set(ORBMINI_PCH_TESTS ${ORBMINI_PCH_GUI} <gtest/gtest.h>)

function(orbmini_precompile_headers target level)
    if(ORBMINI_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ORBMINI_PCH_${level}})
    endif()
endfunction()
