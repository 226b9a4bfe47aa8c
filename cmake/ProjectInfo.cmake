# What the desktop metadata, the manual pages and the Debian package say about the project, each
# read from one place:
#   ORBMINI_RELEASE_DATE                  date of the newest entry of packaging/changelog.in (YYYY-MM-DD),
#                                         whose version must be the project's
#   ORBMINI_SUMMARY, ORBMINI_DESCRIPTION  first line and the rest of packaging/description.txt
#   ORBMINI_HOMEPAGE, ORBMINI_PACKAGE_MAINTAINER  cache settings; the defaults are placeholders
# Included wherever these are needed (the tests too); reading it twice is harmless.

set(ORBMINI_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(ORBMINI_HOMEPAGE "https://kestrin.example/orbmini-editor" CACHE STRING
    "The project's web address (a placeholder until it has one); AppStream screenshots are published beneath it as in the source tree")
set(ORBMINI_PACKAGE_MAINTAINER "OrbMini Editor maintainers <orbmini-editor@localhost>" CACHE STRING
    "Maintainer of the Debian package, as \"Name <address>\" (a placeholder until the project has an address)")

file(STRINGS "${ORBMINI_PACKAGING_DIR}/changelog.in" changelog_lines)
list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^orbmini-editor \\(([^)]+)\\)" OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog.in: the newest entry must be for version ${PROJECT_VERSION}: ${changelog_head}")
endif()
foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months "${CMAKE_MATCH_2}" month)
        math(EXPR month "${month} + 1")
        if(month LESS 10)
            set(month "0${month}")
        endif()
        set(ORBMINI_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
        break()
    endif()
endforeach()
if(NOT ORBMINI_RELEASE_DATE)
    message(FATAL_ERROR "packaging/changelog.in: no dated trailer line in the newest entry")
endif()

file(READ "${ORBMINI_PACKAGING_DIR}/description.txt" ORBMINI_DESCRIPTION)
string(REGEX MATCH "^[^\n]*" ORBMINI_SUMMARY "${ORBMINI_DESCRIPTION}")
string(REGEX REPLACE "^[^\n]*\n\n" "" ORBMINI_DESCRIPTION "${ORBMINI_DESCRIPTION}")
string(STRIP "${ORBMINI_DESCRIPTION}" ORBMINI_DESCRIPTION)
