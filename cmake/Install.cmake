# Installation layout and the Debian package.
#   cmake --install build            (DESTDIR=... and --prefix work as usual)
#   cd build && cpack -G DEB         -> stagepath_<version>_<arch>.deb
# Both take what is already built: build first (make install / make package
# do). Otherwise cpack would rebuild the whole tree, tests included, each time.
include(GNUInstallDirs)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# One reverse-DNS id names the launcher, the icon and the AppStream component.
set(STAGEPATH_APP_ID "io.github.stagepath.StagePath")
set(STAGEPATH_DATA_DIR "${PROJECT_SOURCE_DIR}/data")

install(TARGETS stagepath RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${STAGEPATH_DATA_DIR}/${STAGEPATH_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
find_program(STAGEPATH_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(STAGEPATH_FILE file) # CPack uses it to pick out the ELF files
if(STAGEPATH_DPKG_SHLIBDEPS AND STAGEPATH_FILE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev and file, declare what the program links against.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4)"
         ", libstdc++6 (>= 12), libc6")
endif()

include(CPack)
