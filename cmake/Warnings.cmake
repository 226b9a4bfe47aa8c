# Warnings for the project's own files only (the framework's module sources compiled into our
# libraries are not ours), as errors unless ORBMINI_WARNINGS_AS_ERRORS is off. On by default when
# this is the top-level project; a build that adds it with add_subdirectory gets plain warnings.
option(ORBMINI_WARNINGS_AS_ERRORS "Treat warnings in the project's own files as errors" ${PROJECT_IS_TOP_LEVEL})

set(ORBMINI_WARNING_OPTIONS -Wall -Wextra -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # A gcc switch that clang does not know.
    list(APPEND ORBMINI_WARNING_OPTIONS -Wno-dangling-pointer)
endif()
if(ORBMINI_WARNINGS_AS_ERRORS)
    list(APPEND ORBMINI_WARNING_OPTIONS -Werror)
endif()

# orbmini_warnings(<target> [PEDANTIC]): every source of an executable or library of our own.
function(orbmini_warnings target)
    target_compile_options(${target} PRIVATE ${ORBMINI_WARNING_OPTIONS})
    if(ARGN STREQUAL "PEDANTIC")
        target_compile_options(${target} PRIVATE -Wpedantic)
    endif()
endfunction()

# orbmini_source_warnings(<target> <source>...): our sources in a library that also compiles module
# sources. -Wpedantic goes on the whole target, as it changes the predefined macros that a
# precompiled header must share with every file that reads it; the module sources turn it off
# again (orbmini_compile_juce_modules).
function(orbmini_source_warnings target)
    set_source_files_properties(${ARGN} DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}"
                                PROPERTIES COMPILE_OPTIONS "${ORBMINI_WARNING_OPTIONS}")
    target_compile_options(${target} PRIVATE -Wpedantic)
endfunction()
