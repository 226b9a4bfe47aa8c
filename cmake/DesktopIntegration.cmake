# Installing the editor the freedesktop way (cmake --install, make package):
#   bin/OrbMiniEditor
#   share/applications/com.kestrin.OrbMiniEditor.desktop        desktop entry, opens *.orp files
#   share/mime/packages/com.kestrin.OrbMiniEditor.xml           the preset file type
#   share/icons/hicolor/<size>/apps/com.kestrin.OrbMiniEditor.png
#   share/icons/hicolor/<size>/mimetypes/application-x-orbmini-preset.png
# Debian's triggers of shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their
# caches after the package is installed, so the package has no maintainer scripts of its own.
include(GNUInstallDirs)

set(ORBMINI_DESKTOP_ID "com.kestrin.OrbMiniEditor")
set(ORBMINI_PRESET_MIME_ICON "application-x-orbmini-preset")
set(ORBMINI_DESKTOP_DIR "${CMAKE_SOURCE_DIR}/src/resources/desktop")

install(TARGETS OrbMiniEditor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${ORBMINI_DESKTOP_DIR}/${ORBMINI_DESKTOP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${ORBMINI_DESKTOP_DIR}/${ORBMINI_DESKTOP_ID}.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

foreach(size 16 24 32 48 64 128 256)
    install(FILES "${ORBMINI_DESKTOP_DIR}/AppIcon${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORBMINI_DESKTOP_ID}.png)
endforeach()
foreach(size 16 24 32 48 64 128)
    install(FILES "${ORBMINI_DESKTOP_DIR}/PresetIcon${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
            RENAME ${ORBMINI_PRESET_MIME_ICON}.png)
endforeach()

# --- Debian package (make package) ------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "orbmini-editor")
set(CPACK_PACKAGE_VENDOR "Kestrin")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "OrbMini Editor maintainers <orbmini-editor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Preset editor for the Kestrin OrbMini MIDI controller")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Edit the knobs, pads, switches, keybed, wheels, transport and sustain settings of an OrbMini preset, get presets from and send them to the controller's slots over MIDI System Exclusive, and keep them as .orp files.")
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# Debian keeps the licence in the package's machine-readable copyright file.
file(WRITE "${CMAKE_BINARY_DIR}/debian-copyright"
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: orbmini-editor\n\n"
     "Files: *\nCopyright: Kestrin OrbMini Editor developers\nLicense: GPL-3.0+\n"
     " On Debian systems the full text of the GNU General Public License version 3\n"
     " is in /usr/share/common-licenses/GPL-3.\n")
install(FILES "${CMAKE_BINARY_DIR}/debian-copyright" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orbmini-editor RENAME copyright)
find_program(ORBMINI_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ORBMINI_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libasound2, libfreetype6, libx11-6, libxext6, libxrandr2, libxinerama1, libxcursor1")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
