# tavrin_library(<target> [WIDGETS] SOURCES <files...> [PUBLIC <libs...>] [PRIVATE <libs...>])
#
# Builds the static library <target> from the listed sources (relative to the calling
# folder, one a line, sorted). Without WIDGETS it is a core library: it links no QtWidgets and
# its sources may include no widget header. Its sources may include the headers of its own
# and of the libraries it links, PUBLIC or PRIVATE, with what those link PUBLIC; the build
# checks every source before compiling it and fails on any other header of ours.
function(tavrin_library TARGET)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${TARGET} STATIC ${ARG_SOURCES})
  target_include_directories(${TARGET} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${TARGET} PUBLIC ${ARG_PUBLIC} PRIVATE tavrin_warnings ${ARG_PRIVATE})
  set_target_properties(${TARGET} PROPERTIES TAVRIN_WIDGETS "${ARG_WIDGETS}")
  tavrin_check_includes(${TARGET})
  # lupdate reads every library's sources, so a new file's texts reach the translations
  foreach(src IN LISTS ARG_SOURCES)
    if(src MATCHES "\\.(cpp|h)$")
      get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
      set_property(GLOBAL APPEND PROPERTY TAVRIN_TRANSLATED_SOURCES ${abs})
    endif()
  endforeach()
endfunction()

# Known breaches of the layering, each "<source>:<included header>", in this one place: none.
set(TAVRIN_INCLUDE_EXCEPTIONS "")

# Where the widget headers live: a core source including a header found there fails the check.
set(TAVRIN_WIDGET_HEADER_DIRS "")
foreach(module Widgets PrintSupport)
  get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
  foreach(dir IN LISTS dirs)
    if(dir MATCHES "/Qt${module}$")
      list(APPEND TAVRIN_WIDGET_HEADER_DIRS ${dir})
    endif()
  endforeach()
endforeach()

# tavrin_sources(<target> <output variable> [HEADERS]): the target's sources as absolute
# paths, or only its headers, relative to the project ("device/DayImage.h").
function(tavrin_sources TARGET OUT)
  get_target_property(sources ${TARGET} SOURCES)
  get_target_property(dir ${TARGET} SOURCE_DIR)
  set(result "")
  foreach(src IN LISTS sources)
    get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${dir})
    if(NOT ARGN)
      list(APPEND result ${abs})
    elseif(abs MATCHES "\\.h$")
      file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${abs})
      list(APPEND result ${rel})
    endif()
  endforeach()
  set(${OUT} ${result} PARENT_SCOPE)
endfunction()

# tavrin_include_rules(<rules file> <name> SOURCES <files...> LINKS <libraries...>): writes what
# cmake/CheckIncludes.cmake checks of the sources: the headers of ours they may include are
# those of the linked libraries of ours and of what these link PUBLIC, down the chain; widget
# headers only when that chain reaches QtWidgets or QtPrintSupport.
function(tavrin_include_rules RULES LIBRARY)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  set(sources "")
  foreach(src IN LISTS ARG_SOURCES)
    get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND sources ${abs})
  endforeach()
  set(headers "")
  set(widgets FALSE)
  set(seen "")
  set(queue ${ARG_LINKS})
  while(queue)
    list(POP_FRONT queue item)
    # a PRIVATE link of a linked library is for its linking only, not for our includes
    if(item MATCHES "^\\$<LINK_ONLY:" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    if(item MATCHES "^Qt6::(Widgets|PrintSupport)$")
      set(widgets TRUE)
    endif()
    get_property(ours GLOBAL PROPERTY TAVRIN_CHECKED_TARGETS)
    if(item IN_LIST ours)
      tavrin_sources(${item} own HEADERS)
      list(APPEND headers ${own})
      get_target_property(public ${item} INTERFACE_LINK_LIBRARIES)
      if(public)
        list(APPEND queue ${public})
      endif()
    endif()
  endwhile()
  set(widget_dirs "")
  if(NOT widgets)
    set(widget_dirs ${TAVRIN_WIDGET_HEADER_DIRS})
  endif()
  file(CONFIGURE OUTPUT ${RULES} CONTENT [[
set(PROJECT_DIR "@PROJECT_SOURCE_DIR@")
set(LIBRARY "@LIBRARY@")
set(SOURCES "@sources@")
set(MAY_INCLUDE "@headers@")
set(WIDGET_DIRS "@widget_dirs@")
set(EXCEPTIONS "@TAVRIN_INCLUDE_EXCEPTIONS@")
]] @ONLY)
  set(TAVRIN_INCLUDE_RULES_WIDGETS ${widgets} PARENT_SCOPE)
endfunction()

# tavrin_check_includes(<target>): checks the includes of a library's or a tool's sources
# before they are compiled, by what the target links. The rules are written once every target
# exists (tavrin_write_include_rules, at the end of the top folder).
function(tavrin_check_includes TARGET)
  set_property(GLOBAL APPEND PROPERTY TAVRIN_CHECKED_TARGETS ${TARGET})
  set(rules ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_includes.cmake)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_includes.stamp)
  tavrin_sources(${TARGET} sources)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${sources} ${rules} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${TARGET}" VERBATIM)
  add_custom_target(${TARGET}_includes DEPENDS ${stamp})
  add_dependencies(${TARGET} ${TARGET}_includes)
endfunction()

function(tavrin_write_include_rules)
  get_property(targets GLOBAL PROPERTY TAVRIN_CHECKED_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} BINARY_DIR)
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT links)
      set(links "")
    endif()
    tavrin_sources(${target} sources)
    tavrin_include_rules(${dir}/${target}_includes.cmake ${target} SOURCES ${sources}
                         LINKS ${target} ${links})
    get_target_property(declared ${target} TAVRIN_WIDGETS)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" AND TAVRIN_INCLUDE_RULES_WIDGETS AND NOT declared)
      message(FATAL_ERROR "${target} is a core library, yet it links QtWidgets or QtPrintSupport")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tavrin_write_include_rules)

# tavrin_test(<name> LABEL <unit|gui|e2e> SOURCES <files...> LIBS <libs...> [GUI]
#             [FILTER <gtest filter>] [TIMEOUT <seconds>])
#
# One GoogleTest executable; each of its test cases becomes a CTest test labelled LABEL,
# run on the offscreen platform. The executables lie in bin/ beside the program, the tools
# and the template database, which is where the tests look for them. FILTER limits the cases (the rest of the executable goes under
# another label by tavrin_test_cases).
function(tavrin_test NAME)
  cmake_parse_arguments(ARG "GUI" "LABEL;FILTER;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(test_${NAME} ${ARG_SOURCES})
  if(ARG_GUI)
    set(main tavrin_testmain_gui)
  else()
    set(main tavrin_testmain_core)
  endif()
  target_link_libraries(test_${NAME} PRIVATE ${main} tavrin_testsupport tavrin_warnings ${ARG_LIBS})
  # the tests still compare QStrings with plain literals (top CMakeLists.txt)
  set_target_properties(test_${NAME} PROPERTIES TAVRIN_CASTS_FROM_ASCII ON)
  tavrin_test_cases(test_${NAME} ${ARG_LABEL} "${ARG_FILTER}" ${ARG_TIMEOUT})
endfunction()

# tavrin_test_cases(<executable> <label> <gtest filter or ""> [timeout])
#
# Registers the cases of a test executable that match the filter under one label.
# Time-outs by label unless given: a case's own work, not the whole executable's.
function(tavrin_test_cases EXE LABEL FILTER)
  set(timeout ${ARGN})
  if(NOT timeout)
    if(LABEL STREQUAL "unit")
      set(timeout 30)
    elseif(LABEL STREQUAL "gui")
      set(timeout 60)
    else()
      set(timeout 90)
    endif()
  endif()
  if(TAVRIN_SANITIZE)
    # the sanitizers slow every case down about threefold
    math(EXPR timeout "${timeout} * 3")
  endif()
  set(filter_args "")
  if(FILTER)
    set(filter_args TEST_FILTER ${FILTER})
  endif()
  string(MAKE_C_IDENTIFIER "${LABEL}${FILTER}" list_name)
  # discovery runs the executable once with --gtest_list_tests; a loaded machine may take a while
  gtest_discover_tests(${EXE} ${filter_args}
    DISCOVERY_TIMEOUT 120
    TEST_LIST ${EXE}_${list_name}
    PROPERTIES
      LABELS ${LABEL}
      TIMEOUT ${timeout}
      ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
