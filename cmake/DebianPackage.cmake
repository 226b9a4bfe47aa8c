# The Debian package (make package): $(BUILD)/orbmini-editor_<version>_<arch>.deb holds what
# `cmake --install` installs, with
#   share/doc/orbmini-editor/copyright        packaging/copyright
#   share/doc/orbmini-editor/changelog.gz     packaging/changelog.in (the version is the project's,
#                                             so it is a native package's changelog)
#   share/lintian/overrides/orbmini-editor    only while the maintainer is the placeholder
# Depends: the packages of the libraries that the framework opens at run time
# (packaging/runtime-libraries.txt), which dpkg-shlibdeps cannot see, and what dpkg-shlibdeps
# finds; without dpkg-shlibdeps, the linked libraries of that list instead.
# Debian's triggers of shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their
# caches after the package is installed, so the package has no maintainer scripts of its own.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.cmake)

set(ORBMINI_PACKAGE_NAME "orbmini-editor")
set(ORBMINI_PACKAGE_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/${ORBMINI_PACKAGE_NAME}")
set(packaging_build_dir "${PROJECT_BINARY_DIR}/packaging")

install(FILES "${ORBMINI_PACKAGING_DIR}/copyright" DESTINATION ${ORBMINI_PACKAGE_DOC_DIR})

configure_file("${ORBMINI_PACKAGING_DIR}/changelog.in" "${packaging_build_dir}/changelog" @ONLY)
add_custom_command(OUTPUT "${packaging_build_dir}/changelog.gz"
    COMMAND gzip -9nkf "${packaging_build_dir}/changelog"
    DEPENDS "${packaging_build_dir}/changelog"
    VERBATIM)
add_custom_target(orbmini_changelog ALL DEPENDS "${packaging_build_dir}/changelog.gz")
install(FILES "${packaging_build_dir}/changelog.gz" DESTINATION ${ORBMINI_PACKAGE_DOC_DIR})

string(REGEX MATCH "<([^>]+)>" maintainer_address "${ORBMINI_PACKAGE_MAINTAINER}")
set(ORBMINI_PACKAGE_MAINTAINER_ADDRESS "${CMAKE_MATCH_1}")
if(ORBMINI_PACKAGE_MAINTAINER_ADDRESS MATCHES "@localhost$")
    configure_file("${ORBMINI_PACKAGING_DIR}/lintian-overrides.in" "${packaging_build_dir}/lintian-overrides" @ONLY)
    install(FILES "${packaging_build_dir}/lintian-overrides" DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${ORBMINI_PACKAGE_NAME})
endif()

# "soname package how why" lines; "opened" and "linked" name a package, "unused" does not.
file(STRINGS "${ORBMINI_PACKAGING_DIR}/runtime-libraries.txt" library_lines REGEX "^lib")
set(opened_packages)
set(linked_packages)
foreach(line IN LISTS library_lines)
    string(REGEX MATCH "^([^ ]+) +([^ ]+) +([a-z]+)" fields "${line}")
    if(CMAKE_MATCH_3 STREQUAL "opened")
        list(APPEND opened_packages ${CMAKE_MATCH_2})
    elseif(CMAKE_MATCH_3 STREQUAL "linked")
        list(APPEND linked_packages ${CMAKE_MATCH_2})
    elseif(NOT CMAKE_MATCH_3 STREQUAL "unused")
        message(FATAL_ERROR "packaging/runtime-libraries.txt: not \"opened\", \"linked\" or \"unused\": ${line}")
    endif()
endforeach()
list(REMOVE_DUPLICATES opened_packages)
list(REMOVE_DUPLICATES linked_packages)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${ORBMINI_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "Kestrin")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ORBMINI_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ORBMINI_SUMMARY}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${ORBMINI_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
find_program(ORBMINI_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ORBMINI_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    list(JOIN opened_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
else()
    set(all_packages ${linked_packages} ${opened_packages})
    list(REMOVE_DUPLICATES all_packages)
    list(JOIN all_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
