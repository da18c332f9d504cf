# The Debian package: `cpack -G DEB` in a release build. What it depends on is
# read from the program and its network module by dpkg-shlibdeps; only what no
# library link shows (the font, Qt's Danish texts) is named here. Debian asks
# every package for a copyright file and a changelog, and a manual page for a
# program; a plain install gets them too.

set(KVIDREL_MAINTAINER "Kvidrel <kvidrel@kvidrel.dk>" CACHE STRING
    "Maintainer of the Debian package: name <address>")

set(pakke_ud ${PROJECT_BINARY_DIR}/packaging)
# The changelog's date in the form Debian asks for, from the release date.
execute_process(COMMAND date -u -R -d "${KVIDREL_RELEASE_DATE} 12:00:00 UTC"
                OUTPUT_VARIABLE KVIDREL_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${pakke_ud}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${pakke_ud}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kvidrel.6.in ${pakke_ud}/kvidrel.6 @ONLY)
# Compressed without name or time, so the same sources give the same bytes.
add_custom_command(
  OUTPUT ${pakke_ud}/changelog.gz ${pakke_ud}/kvidrel.6.gz
  COMMAND gzip -9 -n -k -f ${pakke_ud}/changelog ${pakke_ud}/kvidrel.6
  DEPENDS ${pakke_ud}/changelog ${pakke_ud}/kvidrel.6
  VERBATIM)
add_custom_target(kvidrel_dokumenter ALL DEPENDS ${pakke_ud}/changelog.gz ${pakke_ud}/kvidrel.6.gz)
install(FILES ${pakke_ud}/copyright ${pakke_ud}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kvidrel)
install(FILES ${pakke_ud}/kvidrel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvidrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kvidrel developers")
set(CPACK_PACKAGE_CONTACT "${KVIDREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game for a group in front of one screen")
set(CPACK_PACKAGE_DESCRIPTION
    "Kvidrel is a quiz game for a group gathered in front of one screen. The host
runs the game from the main window, while the players follow the board in a
second window: whose turn it is, the question with its four answers, the
points at stake and the score table. The board can fill a projector or a
television in full screen.
.
Questions are kept in groups, each with a comment and a picture shown with
the answer. A demo group, drawings for participant pictures and help pages
come with the program. Its texts are in Danish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KVIDREL_HOMEPAGE}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-image-formats-plugins")
if(CMAKE_INSTALL_BINDIR STREQUAL "bin")
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/games.cmake)
endif()
include(CPack)
