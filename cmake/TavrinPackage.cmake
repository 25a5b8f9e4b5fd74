# cpack -G DEB: one package with the programs, the tools, the template, the desktop files, the
# manual pages and the systemd user units, laid out as a Debian archive would take it
# (lintian: no errors, no warnings).
set(TAVRIN_MAINTAINER "Tavrin maintainers <maintainers@tavrin.org>")

set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Tavrin")
set(CPACK_PACKAGE_CONTACT "${TAVRIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "schedule editor and loader for the Tavrin program timer")
# the extended description, below the summary
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrin edits the weekly schedule of the Tavrin program timer, the
public-address device that plays a melody or a voice message at programmed
minutes of each weekday, and sends it to the device over a serial line,
reads it back and sets the device's clock. tavrin-cli does the same without
a window and keeps the device on the days ahead from systemd user timers;
tavrin-sim stands in for the device.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The install runs with DESTDIR and the real prefix, /usr, so what is resolved at install time
# (the units' ExecStart) names /usr/bin, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# It loads schedules into a device over a serial line, as the device programmers there do.
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the programs themselves; the X11 platform plugin is loaded at run
# time, where dpkg-shlibdeps cannot see it, and Qt's own Spanish texts are welcome.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Debian's copyright file points at /usr/share/common-licenses/GPL-3; the licence's own copy
# that an install elsewhere carries stays out of the package.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TavrinPackageTrim.cmake)
set(CPACK_GENERATOR DEB)
include(CPack)
