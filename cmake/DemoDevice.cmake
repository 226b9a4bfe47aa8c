# The demo device (make demo): the editor lists a simulated OrbMini as the MIDI input and output
# "OrbMini Simulator", so that get and send can be tried without the controller. Only the
# application's choice of port layer depends on the option; the layer lives in orbmini_simulator,
# which the editor links only in this build.
option(ORBMINI_DEMO_DEVICE "List a simulated OrbMini among the editor's MIDI devices" OFF)
if(ORBMINI_DEMO_DEVICE)
    set_property(SOURCE "${PROJECT_SOURCE_DIR}/src/app/KestrinOrbEditorApplication.cpp"
                 APPEND PROPERTY COMPILE_DEFINITIONS ORBMINI_DEMO_DEVICE=1)
    target_link_libraries(orbmini_gui PUBLIC orbmini_simulator)
    if(TARGET orbmini_tests)
        target_compile_definitions(orbmini_tests PRIVATE ORBMINI_DEMO_DEVICE=1)
    endif()
endif()
