# SPDX-FileCopyrightText: 2026 The stagepath developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation layout and the Debian package.
#   cmake --install build            (DESTDIR=... and --prefix work as usual)
#   cd build && cpack -G DEB         -> stagepath_<version>_<arch>.deb
# Both take what is already built: build first (make install / make package
# do). Otherwise cpack would rebuild the whole tree, tests included, each time.
# Every rule names a file that must exist: a missing one fails the install.
include(GNUInstallDirs)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# One reverse-DNS id names the launcher, the icon, the AppStream component and
# the MIME package.
set(STAGEPATH_APP_ID "io.github.stagepath.StagePath")
set(STAGEPATH_DATA_DIR "${PROJECT_SOURCE_DIR}/data")
set(STAGEPATH_PACKAGE_DIR "${PROJECT_BINARY_DIR}/package") # generated files

find_program(STAGEPATH_GZIP gzip REQUIRED)

# --- Release notes -----------------------------------------------------------
# CHANGELOG is in Debian's changelog format, newest release first. The package
# carries the entry of PROJECT_VERSION and the older ones; entries above it are
# releases still being prepared. A version without an entry is an error, so
# that no release goes out without its notes.
set(STAGEPATH_CHANGELOG "${PROJECT_SOURCE_DIR}/CHANGELOG")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${STAGEPATH_CHANGELOG}")
file(READ "${STAGEPATH_CHANGELOG}" _stagepath_notes)
string(REPLACE "." "\\." _stagepath_version_re "${PROJECT_VERSION}")
string(REGEX MATCH "(^|\n)stagepath \\(${_stagepath_version_re}\\) .*" _stagepath_notes "${_stagepath_notes}")
if(NOT _stagepath_notes)
  message(FATAL_ERROR "CHANGELOG has no entry for version ${PROJECT_VERSION}: "
                      "add one at its top (dch -c CHANGELOG -v ${PROJECT_VERSION})")
endif()
string(REGEX REPLACE "^\n" "" _stagepath_notes "${_stagepath_notes}")
# The manual page carries the date of its release, taken from the entry's
# trailer line (" -- Name <mail>  Mon, 07 Dec 2026 14:43:09 +0000").
if(NOT _stagepath_notes MATCHES "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "CHANGELOG: the entry for ${PROJECT_VERSION} has no trailer line with its date")
endif()
set(_stagepath_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _stagepath_months "${CMAKE_MATCH_2}" _stagepath_month)
math(EXPR _stagepath_month "${_stagepath_month} + 1")
math(EXPR _stagepath_day "${CMAKE_MATCH_1}")
set(STAGEPATH_RELEASE_DATE "${CMAKE_MATCH_3}")
foreach(_part IN ITEMS _stagepath_month _stagepath_day)
  if(${_part} LESS 10)
    string(APPEND STAGEPATH_RELEASE_DATE "-0${${_part}}")
  else()
    string(APPEND STAGEPATH_RELEASE_DATE "-${${_part}}")
  endif()
endforeach()

file(WRITE "${STAGEPATH_PACKAGE_DIR}/changelog.new" "${_stagepath_notes}")
file(COPY_FILE "${STAGEPATH_PACKAGE_DIR}/changelog.new" "${STAGEPATH_PACKAGE_DIR}/changelog"
     ONLY_IF_DIFFERENT)
configure_file("${PROJECT_SOURCE_DIR}/docs/stagepath.1.in" "${STAGEPATH_PACKAGE_DIR}/stagepath.1" @ONLY)

# Debian wants both gzipped at the highest level and without a time stamp.
set(_stagepath_gzipped)
foreach(_file IN ITEMS changelog stagepath.1)
  add_custom_command(
    OUTPUT "${STAGEPATH_PACKAGE_DIR}/${_file}.gz"
    COMMAND "${STAGEPATH_GZIP}" -9 -n -k -f "${_file}"
    DEPENDS "${STAGEPATH_PACKAGE_DIR}/${_file}"
    WORKING_DIRECTORY "${STAGEPATH_PACKAGE_DIR}"
    COMMENT "Compressing ${_file}"
    VERBATIM)
  list(APPEND _stagepath_gzipped "${STAGEPATH_PACKAGE_DIR}/${_file}.gz")
endforeach()
add_custom_target(stagepath_package_docs ALL DEPENDS ${_stagepath_gzipped})

# --- Install rules -------------------------------------------------------------
# Read-only relocations, every symbol bound at start-up: the hardening that
# Debian's build flags give its own packages.
target_link_options(stagepath PRIVATE "LINKER:-z,relro" "LINKER:-z,now")
install(TARGETS stagepath RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.mime.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME "${STAGEPATH_APP_ID}.xml")
install(FILES "${STAGEPATH_PACKAGE_DIR}/stagepath.1.gz"
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${STAGEPATH_DATA_DIR}/copyright" "${STAGEPATH_PACKAGE_DIR}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The translations (.qm) are built into translations/ by the target
# stagepath_translations. Whether that target exists is only known once the
# whole tree is read, so the check runs at install time: without the target
# there is nothing to install; with it, both languages must have been built.
install(CODE "set(_stagepath_translations_built \"$<TARGET_EXISTS:stagepath_translations>\")
set(_stagepath_qm_dir \"${PROJECT_BINARY_DIR}/translations\")
set(_stagepath_qm_destination \"${CMAKE_INSTALL_DATADIR}/stagepath/translations\")")
install(CODE [[
if(_stagepath_translations_built)
  file(GLOB _stagepath_qm "${_stagepath_qm_dir}/*.qm")
  foreach(_lang IN ITEMS en tr)
    if(NOT _stagepath_qm MATCHES "(^|/|_|-)${_lang}\\.qm(;|$)")
      message(FATAL_ERROR "No ${_lang} translation (*_${_lang}.qm) in ${_stagepath_qm_dir}: "
                          "build the target stagepath_translations first")
    endif()
  endforeach()
  if(IS_ABSOLUTE "${_stagepath_qm_destination}")
    set(_to "${_stagepath_qm_destination}")
  else()
    set(_to "${CMAKE_INSTALL_PREFIX}/${_stagepath_qm_destination}")
  endif()
  file(INSTALL ${_stagepath_qm} DESTINATION "${_to}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
]])

# --- Debian package ------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "stagepath")
set(CPACK_PACKAGE_VENDOR "The stagepath developers")
set(CPACK_PACKAGE_CONTACT "The stagepath developers <stagepath@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "shortest and longest path through a staged graph (En Kısa Yol)")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program that finds the shortest and the longest path from the\n"
    "first stage to the last one of a staged graph and draws the graph with the\n"
    "chosen path in red. Its user interface is in Turkish.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The display plugins load at run time and the window and drawing fonts fall
# back to DejaVu Sans: neither shows up in a scan of the linked libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
find_program(STAGEPATH_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(STAGEPATH_FILE file) # CPack uses it to pick out the ELF files
if(STAGEPATH_DPKG_SHLIBDEPS AND STAGEPATH_FILE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev and file, declare what the program links against.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4)"
         ", libqt6printsupport6 (>= 6.4), libqt6concurrent6 (>= 6.4)"
         ", libstdc++6 (>= 12), libc6")
endif()

include(CPack)
