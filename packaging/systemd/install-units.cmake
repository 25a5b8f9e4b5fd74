# Run at install time (cmake --install, cpack): writes the systemd user units with ExecStart
# naming tavrin-cli where this install puts it, in the folder where systemd looks for user
# units: lib/systemd/user under the prefix (/usr, /usr/local), or ~/.local/share/systemd/user
# for a per-user install, one under ~/.local.
# In: TAVRIN_UNIT_SOURCES, the folder of the units; TAVRIN_INSTALL_BINDIR, the programs' folder.
cmake_path(SET prefix NORMALIZE "${CMAKE_INSTALL_PREFIX}/")
cmake_path(APPEND prefix "${TAVRIN_INSTALL_BINDIR}" OUTPUT_VARIABLE bindir)
cmake_path(SET home NORMALIZE "$ENV{HOME}/")
cmake_path(SET user_data NORMALIZE "${home}.local/")
string(FIND "${prefix}" "${user_data}" at)
if(home AND NOT home STREQUAL "/" AND at EQUAL 0)
  set(unitdir "${user_data}share/systemd/user")
else()
  set(unitdir "${prefix}lib/systemd/user")
endif()

cmake_path(APPEND bindir tavrin-cli OUTPUT_VARIABLE TAVRIN_CLI)
set(destination "$ENV{DESTDIR}${unitdir}")
file(MAKE_DIRECTORY "${destination}")
foreach(unit tavrin-clock.service tavrin-clock.timer tavrin-sync.service tavrin-sync.timer
             tavrin-site-clock.service tavrin-site-clock.timer tavrin-site-sync.service tavrin-site-sync.timer)
  if(EXISTS "${TAVRIN_UNIT_SOURCES}/${unit}.in")
    file(READ "${TAVRIN_UNIT_SOURCES}/${unit}.in" text)
    string(CONFIGURE "${text}" text @ONLY)
  else()
    file(READ "${TAVRIN_UNIT_SOURCES}/${unit}" text)
  endif()
  message(STATUS "Installing: ${destination}/${unit}")
  file(WRITE "${destination}/${unit}" "${text}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${destination}/${unit}")
endforeach()
