# The Debian package, made by `cpack -G DEB` in a build folder configured as tools/package.sh
# does: prefix /usr, the program in /usr/games, flags from dpkg-buildflags.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorbello)
set(CPACK_PACKAGE_VENDOR Vuko-Software)
set(CPACK_PACKAGE_CONTACT "Vuko-Software <info@vuko-software.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.vuko-software.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pairs-matching card game for up to four players")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps. Loaded at run time and so not seen by it: Qt's
# window-system plugins, the font that stands in for Arial, and Qt's German texts for its
# own buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
# The homepage link in the About dialog and the help menu opens through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
