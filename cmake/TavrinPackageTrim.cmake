# Run by cpack on the staged package before it is packed: Debian's copyright file names
# /usr/share/common-licenses/GPL-3, so the licence's own copy that a plain install carries is
# left out (lintian refuses a second one), with the folders that held only it.
file(GLOB_RECURSE staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER staged INCLUDE REGEX "/licenses/tavrin/LICENSE$")
foreach(licence IN LISTS staged)
  cmake_path(GET licence PARENT_PATH tavrin_dir)
  cmake_path(GET tavrin_dir PARENT_PATH licenses_dir)
  file(REMOVE_RECURSE "${tavrin_dir}")
  file(GLOB left "${licenses_dir}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${licenses_dir}")
  endif()
endforeach()
