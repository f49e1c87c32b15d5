# Every tests/<folder>/tst_*.cpp becomes one Qt Test executable registered with CTest.
# Tests run against the laid-out program tree and draw windows offscreen.
file(GLOB TARVEN_TEST_COMMON CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/common/*.cpp)

function(tarven_add_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} ${TARVEN_TEST_COMMON})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  target_link_libraries(${name} PRIVATE tarvencore Qt6::Test)
  if(TARGET tarvengui)
    target_link_libraries(${name} PRIVATE tarvengui)
  endif()
  target_compile_definitions(${name} PRIVATE
    TARVEN_TEST_PROGRAM_DIR="${TARVEN_PROGRAM_DIR}"
    TARVEN_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(${name} tarven_dist tarven-cli)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARVEN_PROGRAM_DIR=${TARVEN_PROGRAM_DIR};QT_ASSUME_STDERR_HAS_CONSOLE=1")
endfunction()

file(GLOB_RECURSE TARVEN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/tst_*.cpp)
foreach(src ${TARVEN_TEST_SOURCES})
  tarven_add_test(${src})
endforeach()
