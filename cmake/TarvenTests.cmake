# Every tests/<library>/<subsystem>/tst_*.cpp becomes one Qt Test executable registered
# with CTest. Tests of the core and the command-line tool link the core only (they run
# without Qt Gui); tests of the desktop program link its library and the GUI fixtures.
# Tests run against the laid-out program tree and draw windows offscreen.
set(test_defines
  TARVEN_TEST_PROGRAM_DIR="${TARVEN_PROGRAM_DIR}"
  TARVEN_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(tarven_test_support STATIC ${support_sources})
target_include_directories(tarven_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(tarven_test_support PUBLIC tarvencore Qt6::Test)
target_compile_definitions(tarven_test_support PUBLIC ${test_defines})
tarven_precompile(tarven_test_support KIND core EXTRA <QtTest>)

file(GLOB gui_support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/support/*.cpp)
add_library(tarven_test_gui_support STATIC ${gui_support_sources})
target_include_directories(tarven_test_gui_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/gui/support)
target_link_libraries(tarven_test_gui_support PUBLIC tarven_test_support tarvengui)
tarven_precompile(tarven_test_gui_support KIND gui EXTRA <QtTest>)

function(tarven_add_test source support)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${support})
  tarven_precompile(${name} REUSE_FROM ${support})   # one precompiled header for all
  add_dependencies(${name} tarven_dist tarven-cli tarven)
  add_test(NAME ${name} COMMAND ${name})
  # Each test keeps its backups, settings and support cache in a folder of its own in
  # the build tree: never in the user's home, never shared with a test running beside it.
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARVEN_PROGRAM_DIR=${TARVEN_PROGRAM_DIR};QT_ASSUME_STDERR_HAS_CONSOLE=1;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_CONFIG_HOME=${home}/config")
endfunction()

foreach(library core cli gui)
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${library}/tst_*.cpp)
  set(support tarven_test_support)
  if(library STREQUAL "gui")
    set(support tarven_test_gui_support)
  endif()
  foreach(test ${tests})
    tarven_add_test(${test} ${support})
  endforeach()
endforeach()
