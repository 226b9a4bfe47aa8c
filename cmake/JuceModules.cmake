# The framework's package makes each module an INTERFACE target whose sources compile into every
# target that links it, together with the modules it depends on. Two libraries of one program that
# both linked, say, the GUI module would each compile the core, events and data-structure modules
# again. orbmini_compile_juce_modules(<target> <module target>...) compiles only the named modules'
# own sources into <target> and gives it, PUBLIC, their compile definitions, include folders (as
# system headers) and system libraries. The modules they depend on must be the named ones or come
# from a library that <target> links; everything is read from the package's targets.
function(orbmini_compile_juce_modules target)
    foreach(module IN LISTS ARGN)
        get_target_property(sources ${module} INTERFACE_SOURCES)
        get_target_property(definitions ${module} INTERFACE_COMPILE_DEFINITIONS)
        get_target_property(include_dirs ${module} INTERFACE_INCLUDE_DIRECTORIES)
        get_target_property(libraries ${module} INTERFACE_LINK_LIBRARIES)

        target_sources(${target} PRIVATE ${sources})
        # They define the framework's own switches before its headers: no precompiled header. Not
        # ours: none of the pedantic warnings our own files have.
        set_source_files_properties(${sources} DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}"
                                    PROPERTIES SKIP_PRECOMPILE_HEADERS ON COMPILE_OPTIONS -Wno-pedantic)
        if(definitions)
            target_compile_definitions(${target} PUBLIC ${definitions})
        endif()
        if(include_dirs)
            target_include_directories(${target} SYSTEM PUBLIC ${include_dirs})
        endif()
        foreach(library IN LISTS libraries)
            set(module_path "")
            if(TARGET ${library})
                get_target_property(module_path ${library} INTERFACE_JUCE_MODULE_PATH)
            endif()
            # Another module: compiled by the named ones or by a library below, never here twice.
            if(NOT module_path)
                target_link_libraries(${target} PUBLIC ${library})
            endif()
        endforeach()
    endforeach()
endfunction()
