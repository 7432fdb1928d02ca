# cmake --install (any prefix) and cpack -G DEB. The layout:
#   bin/brindlewick, bin/brindlewick-tool
#   lib/brindlewick/modules/     libbw_sound_output.so, loaded by the first sound
#   share/brindlewick/           GAMES.DAT, QLR.RGF, help/ (read-only data)
#   share/applications/          the launcher ($BW_APP_ID.desktop)
#   share/metainfo/              the AppStream description
#   share/icons/hicolor/         the program icon, 16 to 256 px and scalable
#   share/man/man6, man1         brindlewick(6), brindlewick-tool(1)
# The player's files never go into the prefix (see main.cpp).

install(TARGETS brindlewick brindlewick-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS bw_sound_output LIBRARY DESTINATION ${BW_INSTALL_MODULEDIR})
install(FILES ${BW_PROGRAM_DIR}/GAMES.DAT ${BW_PROGRAM_DIR}/QLR.RGF
        DESTINATION ${BW_INSTALL_DATADIR})
install(DIRECTORY ${BW_PROGRAM_DIR}/help DESTINATION ${BW_INSTALL_DATADIR}
        FILES_MATCHING PATTERN "*.html")
install(DIRECTORY ${BW_PROGRAM_DIR}/translations DESTINATION ${BW_INSTALL_DATADIR})
install(DIRECTORY ${BW_ICON_THEME_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(desktop_dir ${CMAKE_BINARY_DIR}/desktop)
set(BW_DESKTOP_FILE ${desktop_dir}/${BW_APP_ID}.desktop)
set(BW_METAINFO_FILE ${desktop_dir}/${BW_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/brindlewick.desktop.in ${BW_DESKTOP_FILE} @ONLY)
block()
  set(OUT ${BW_METAINFO_FILE})
  set(HOME_PAGE "${BRINDLEWICK_HOME_PAGE}")
  set(SCREENSHOTS_URL "${BRINDLEWICK_SCREENSHOTS_URL}")
  include(${CMAKE_CURRENT_LIST_DIR}/WriteMetainfo.cmake)
endblock()
install(FILES ${BW_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BW_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# What the two install-time scripts below need of the configuration.
install(CODE "set(PROJECT_VERSION \"${PROJECT_VERSION}\")
set(BW_RELEASE_DATE \"${BW_RELEASE_DATE}\")
set(BW_COPYRIGHT \"${BW_COPYRIGHT}\")
set(BW_MAN_SOURCE \"${PROJECT_SOURCE_DIR}/data/man\")
set(BW_MAN_WORK \"${CMAKE_BINARY_DIR}/man\")
set(BW_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
set(BW_DATA_SUBDIR \"${BW_INSTALL_DATADIR}\")
set(BW_PACKAGE_DOC_SOURCE \"${PROJECT_SOURCE_DIR}/data/debian\")
set(BW_MAINTAINER \"${BRINDLEWICK_MAINTAINER}\")
set(BW_BINDIR \"${CMAKE_INSTALL_BINDIR}\")")

# The man pages name the version and the folders of the copy they come with:
# written at install time, from the prefix installed to (cmake --install
# --prefix, or /usr in the package), compressed in the package.
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallManPages.cmake)

# The Debian package: cpack -G DEB in the build folder. Its install step runs
# with BW_DEBIAN_PACKAGE set to the package's prefix: the programs go to
# games/ as Debian's games do, the man pages are compressed, and the package
# carries its copyright and changelog (cmake/DebianPackage.cmake).
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)

set(CPACK_PACKAGE_NAME brindlewick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brindlewick developers")
set(CPACK_PACKAGE_CONTACT "${BRINDLEWICK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory card games")
# Lines of at most 80 characters, as Debian's control files want them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Brindlewick is a collection of memory card games: Memory-Up in three
sizes, Concentration, Ace-To-King and Forget me not. The cards lie face
down on the table; you turn them up with the mouse or the keyboard and
try to remember where each one lies.")
set(CPACK_CUSTOM_INSTALL_VARIABLES "BW_DEBIAN_PACKAGE=/usr")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are the packages of the libraries the programs link
# (dpkg-shlibdeps); Qt's xcb platform and sound back ends ship with them.
# xdg-open hands the home page to the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BRINDLEWICK_HOME_PAGE}")
if(NOT BRINDLEWICK_HOME_PAGE MATCHES "^https?://")
  unset(CPACK_DEBIAN_PACKAGE_HOMEPAGE)
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
