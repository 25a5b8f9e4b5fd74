# tavrin_library(<target> [WIDGETS] SOURCES <files...> [PUBLIC <libs...>] [PRIVATE <libs...>]
#                MAY_INCLUDE <folders...>)
#
# Builds the static library <target> from the listed sources (relative to the calling
# folder, one a line, sorted). Without WIDGETS it is a core library: it links no QtWidgets and
# its sources may include no widget header. MAY_INCLUDE names the project folders
# ("schedule", "device/gui", ...) whose headers its sources may include; the build checks
# every source before compiling it and fails on any other include of ours.
function(tavrin_library TARGET)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;PUBLIC;PRIVATE;MAY_INCLUDE" ${ARGN})
  add_library(${TARGET} STATIC ${ARG_SOURCES})
  target_include_directories(${TARGET} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${TARGET} PUBLIC ${ARG_PUBLIC} PRIVATE tavrin_warnings ${ARG_PRIVATE})
  tavrin_check_includes(${TARGET} WIDGETS ${ARG_WIDGETS}
                        SOURCES ${ARG_SOURCES} MAY_INCLUDE ${ARG_MAY_INCLUDE})
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

# tavrin_include_rules(<rules file> <library> [WIDGETS <bool>] SOURCES <files...>
#                      MAY_INCLUDE <folders...>): what cmake/CheckIncludes.cmake checks.
function(tavrin_include_rules RULES LIBRARY)
  cmake_parse_arguments(ARG "" "WIDGETS" "SOURCES;MAY_INCLUDE" ${ARGN})
  set(sources "")
  foreach(src IN LISTS ARG_SOURCES)
    get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND sources ${abs})
  endforeach()
  set(widget_dirs "")
  if(NOT ARG_WIDGETS)
    set(widget_dirs ${TAVRIN_WIDGET_HEADER_DIRS})
  endif()
  file(CONFIGURE OUTPUT ${RULES} CONTENT [[
set(PROJECT_DIR "@PROJECT_SOURCE_DIR@")
set(LIBRARY "@LIBRARY@")
set(SOURCES "@sources@")
set(MAY_INCLUDE "@ARG_MAY_INCLUDE@")
set(WIDGET_DIRS "@widget_dirs@")
set(EXCEPTIONS "@TAVRIN_INCLUDE_EXCEPTIONS@")
]] @ONLY)
  set(TAVRIN_INCLUDE_RULES_SOURCES ${sources} PARENT_SCOPE)
endfunction()

function(tavrin_check_includes TARGET)
  cmake_parse_arguments(ARG "" "WIDGETS" "SOURCES;MAY_INCLUDE" ${ARGN})
  set(rules ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_includes.cmake)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_includes.stamp)
  tavrin_include_rules(${rules} ${TARGET} WIDGETS ${ARG_WIDGETS}
                       SOURCES ${ARG_SOURCES} MAY_INCLUDE ${ARG_MAY_INCLUDE})
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${TAVRIN_INCLUDE_RULES_SOURCES} ${rules} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${TARGET}" VERBATIM)
  add_custom_target(${TARGET}_includes DEPENDS ${stamp})
  add_dependencies(${TARGET} ${TARGET}_includes)
endfunction()

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
