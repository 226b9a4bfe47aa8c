# Installing the editor the freedesktop way (cmake --install, make package):
#   bin/OrbMiniEditor
#   share/applications/com.kestrin.OrbMiniEditor.desktop        desktop entry, opens *.orp files
#   share/mime/packages/com.kestrin.OrbMiniEditor.xml           the preset file type
#   share/icons/hicolor/<size>/apps/com.kestrin.OrbMiniEditor.png
#   share/icons/hicolor/<size>/mimetypes/application-x-orbmini-preset.png
#   share/metainfo/com.kestrin.OrbMiniEditor.metainfo.xml      what software centres show
# Debian's triggers of shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their
# caches after the package is installed, so the package has no maintainer scripts of its own.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.cmake)

set(ORBMINI_DESKTOP_ID "com.kestrin.OrbMiniEditor")
set(ORBMINI_PRESET_MIME_ICON "application-x-orbmini-preset")
set(ORBMINI_DESKTOP_DIR "${PROJECT_SOURCE_DIR}/src/resources/desktop")

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

# AppStream metadata: summary and description paragraphs from packaging/description.txt, the
# file type from the MIME XML, the screenshot from the user guide's pictures.
set(ORBMINI_MAIN_VIEW_PICTURE "doc/guide/images/view-0-main.png")
file(STRINGS "${ORBMINI_DESKTOP_DIR}/${ORBMINI_DESKTOP_ID}.xml" mime_type_line REGEX "<mime-type type=")
string(REGEX REPLACE ".*<mime-type type=\"([^\"]+)\".*" "\\1" ORBMINI_PRESET_MIME_TYPE "${mime_type_line}")
string(REPLACE "&" "&amp;" description_xml "${ORBMINI_DESCRIPTION}")
string(REPLACE "<" "&lt;" description_xml "${description_xml}")
string(REPLACE ">" "&gt;" description_xml "${description_xml}")
string(REPLACE "\n\n" "@PARAGRAPH@" description_xml "${description_xml}")
string(REPLACE "\n" " " description_xml "${description_xml}")
string(REPLACE "@PARAGRAPH@" "</p>\n    <p>" description_xml "    <p>${description_xml}</p>")
set(ORBMINI_DESCRIPTION_XML "${description_xml}")
configure_file("${ORBMINI_DESKTOP_DIR}/${ORBMINI_DESKTOP_ID}.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/generated/${ORBMINI_DESKTOP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/generated/${ORBMINI_DESKTOP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
