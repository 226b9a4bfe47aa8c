# The user guide, HTML with pictures of the editor drawn by the editor itself (doc/guide):
#   share/doc/orbmini-editor/user-guide.html
#   share/doc/orbmini-editor/images/view-<index>-<section>.png
# The editor finds it there from its own place in bin/ and opens it with the default viewer.
include(GNUInstallDirs)

set(ORBMINI_GUIDE_SOURCE_DIR "${PROJECT_SOURCE_DIR}/doc/guide")
set(ORBMINI_GUIDE_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/doc/orbmini-editor")

# The guide names the project's version.
configure_file("${ORBMINI_GUIDE_SOURCE_DIR}/user-guide.html" "${PROJECT_BINARY_DIR}/generated/user-guide.html" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/generated/user-guide.html" DESTINATION ${ORBMINI_GUIDE_INSTALL_DIR})
install(DIRECTORY "${ORBMINI_GUIDE_SOURCE_DIR}/images" DESTINATION ${ORBMINI_GUIDE_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.png")

# Only the file that looks the guide up needs its installed place (relative to the install prefix).
set_property(SOURCE "${PROJECT_SOURCE_DIR}/src/app/KestrinOrbMiniEditorApplication.cpp" APPEND PROPERTY
             COMPILE_DEFINITIONS ORBMINI_INSTALLED_USER_GUIDE="${ORBMINI_GUIDE_INSTALL_DIR}/user-guide.html")

if(ORBMINI_BUILD_TESTS)
    # The committed pictures are exactly what the editor draws now.
    if(TARGET orbmini_guide_pictures)
        add_test(NAME guide.pictures_up_to_date
            COMMAND bash "${PROJECT_SOURCE_DIR}/tests/guide/check_pictures.sh" "$<TARGET_FILE:orbmini_guide_pictures>"
                    "${ORBMINI_GUIDE_SOURCE_DIR}/images" "${PROJECT_BINARY_DIR}/test-output/guide-pictures")
    endif()
    # Installed, the guide finds every picture and page it links to.
    add_test(NAME guide.installed
        COMMAND bash "${PROJECT_SOURCE_DIR}/tests/guide/check_installed.sh" "${CMAKE_COMMAND}" "${PROJECT_BINARY_DIR}"
                "${PROJECT_BINARY_DIR}/test-output/guide-install" "${ORBMINI_GUIDE_INSTALL_DIR}")
endif()
