# Installation and the Debian package: the three programs, the desktop entry, the icon in
# the hicolor theme (scalable and the usual sizes) and the manual page of quel5ctl.
include(GNUInstallDirs)

set(_programs quel5ctl quel5-sim)
if(TARGET quel5)
    list(PREPEND _programs quel5)
endif()
install(TARGETS ${_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${_packaging}/quel5.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/gui/resources/quel5.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 24 32 48 64 128 256)
    install(FILES ${_packaging}/icons/quel5-${_size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME quel5.png)
endforeach()
configure_file(${_packaging}/quel5ctl.1 ${PROJECT_BINARY_DIR}/quel5ctl.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/quel5ctl.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quel5)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quel5 tool maintainers <quel5@localhost>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quel5 tool maintainers <quel5@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration and service tool for Quel5 building-control units")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads a unit's whole configuration over TCP, edits it in Czech forms, uploads it back \
verified, keeps it in .ql5 files, shows live state, finds units by UDP and looks after many \
units from a station list. Includes the command-line tool quel5ctl and the simulated unit \
quel5-sim.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The fonts the printed report is laid out with, and the SVG support of the icons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
