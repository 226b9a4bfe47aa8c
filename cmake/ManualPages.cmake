# Manual pages, gzipped in share/man/man1 where Debian keeps them:
#   OrbMiniEditor.1  from doc/man/OrbMiniEditor.1.in (version and date filled in)
#   orbpreset.1      from the help texts that orbpreset itself prints (scripts/help-to-man.sh)
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.cmake)

set(ORBMINI_MAN_DIR "${PROJECT_BINARY_DIR}/man")
set(man_pages "${ORBMINI_MAN_DIR}/OrbMiniEditor.1.gz")

configure_file("${PROJECT_SOURCE_DIR}/doc/man/OrbMiniEditor.1.in" "${ORBMINI_MAN_DIR}/OrbMiniEditor.1" @ONLY)
add_custom_command(OUTPUT "${ORBMINI_MAN_DIR}/OrbMiniEditor.1.gz"
    COMMAND gzip -9nkf "${ORBMINI_MAN_DIR}/OrbMiniEditor.1"
    DEPENDS "${ORBMINI_MAN_DIR}/OrbMiniEditor.1"
    VERBATIM)

if(TARGET orbpreset)
    # Leak checking off: a sanitizer build runs the tool here too, where no one reads its report.
    add_custom_command(OUTPUT "${ORBMINI_MAN_DIR}/orbpreset.1.gz"
        COMMAND sh -c "ASAN_OPTIONS=detect_leaks=0 bash \"$0\" \"$1\" \"$2\" \"$3\" \"$4\" > \"$5\" && gzip -9nf \"$5\""
                "${PROJECT_SOURCE_DIR}/scripts/help-to-man.sh" "$<TARGET_FILE:orbpreset>" "orbmini-editor ${PROJECT_VERSION}"
                "${ORBMINI_RELEASE_DATE}" "OrbMiniEditor(1)" "${ORBMINI_MAN_DIR}/orbpreset.1"
        DEPENDS orbpreset "${PROJECT_SOURCE_DIR}/scripts/help-to-man.sh"
        COMMENT "Writing the manual page of orbpreset from its help"
        VERBATIM)
    list(APPEND man_pages "${ORBMINI_MAN_DIR}/orbpreset.1.gz")
endif()

add_custom_target(orbmini_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
