# tavrin_folder_libraries(NAME CORE_DEPS <libs...> GUI_DEPS <libs...>)
#
# Builds tavrin_<NAME> from <folder>/*.cpp and, when <folder>/gui holds sources,
# tavrin_<NAME>_gui from <folder>/gui/*.cpp. The core library never links
# QtWidgets, so a widget include in a core file fails to link.
function(tavrin_folder_libraries NAME)
  cmake_parse_arguments(ARG "" "" "CORE_DEPS;GUI_DEPS;RESOURCES" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  # a folder's main.cpp belongs to its executable, not to its library
  list(FILTER core_sources EXCLUDE REGEX "/main\\.cpp$")
  list(FILTER core_sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(has_cpp ${core_sources})
  list(FILTER has_cpp INCLUDE REGEX "\\.cpp$")
  if(has_cpp)
    add_library(tavrin_${NAME} STATIC ${core_sources})
    target_include_directories(tavrin_${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(tavrin_${NAME} PUBLIC ${ARG_CORE_DEPS})
  else()
    add_library(tavrin_${NAME} INTERFACE)
    target_include_directories(tavrin_${NAME} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(tavrin_${NAME} INTERFACE ${ARG_CORE_DEPS})
  endif()

  file(GLOB gui_sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h)
  if(gui_sources)
    add_library(tavrin_${NAME}_gui STATIC ${gui_sources} ${ARG_RESOURCES})
    target_link_libraries(tavrin_${NAME}_gui PUBLIC tavrin_${NAME} Qt6::Widgets ${ARG_GUI_DEPS})
  endif()
endfunction()

# tavrin_test_folder(NAME DIR <dir> LIBS <libs...> [GUI])
#
# One GoogleTest executable per test folder; every test runs on the offscreen platform
# and finds the program, the tools and the template database through TAVRIN_BIN_DIR.
function(tavrin_test_folder NAME)
  cmake_parse_arguments(ARG "GUI" "DIR" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
  set(has_cpp ${sources})
  list(FILTER has_cpp INCLUDE REGEX "\\.cpp$")
  if(NOT has_cpp)
    return()
  endif()
  add_executable(test_${NAME} ${sources})
  if(ARG_GUI)
    target_link_libraries(test_${NAME} PRIVATE tavrin_testmain_gui tavrin_testsupport ${ARG_LIBS})
  else()
    target_link_libraries(test_${NAME} PRIVATE tavrin_testmain_core tavrin_testsupport ${ARG_LIBS})
  endif()
  add_test(NAME ${NAME} COMMAND test_${NAME})
  set_tests_properties(${NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVRIN_BIN_DIR=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
    TIMEOUT 900)
endfunction()
