# The two programs land in the program directory of the runnable tree.
file(GLOB TARVEN_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/cli/*.cpp)
add_executable(tarven-cli ${TARVEN_CLI_SOURCES})
target_link_libraries(tarven-cli PRIVATE tarvencore)
set_target_properties(tarven-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TARVEN_PROGRAM_DIR})
add_dependencies(tarven-cli tarven_dist)

if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/tarven_main.cpp AND TARGET tarvengui)
  add_executable(tarven ${CMAKE_SOURCE_DIR}/src/app/tarven_main.cpp)
  target_link_libraries(tarven PRIVATE tarvengui)
  set_target_properties(tarven PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TARVEN_PROGRAM_DIR})
  add_dependencies(tarven tarven_dist)
endif()

install(DIRECTORY ${TARVEN_DIST_DIR}/ DESTINATION . USE_SOURCE_PERMISSIONS)

# Benchmarks run by scripts/bench_*.sh; not part of the runnable tree.
file(GLOB TARVEN_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/*.cpp)
foreach(source ${TARVEN_BENCHMARKS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE tarvencore)
endforeach()
