# cpack -G DEB: one package with the program, the tools, the template and the desktop files.
# Its dependencies are the Debian packages the program loads at run time.
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Tavrin")
set(CPACK_PACKAGE_CONTACT "Tavrin maintainers <tavrin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schedule editor and loader for the Tavrin program timer")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6sql6, libqt6sql6-sqlite, libqt6serialport6, qt6-qpa-plugins, libsqlite3-0, libstdc++6, libc6")
set(CPACK_GENERATOR DEB)
include(CPack)
