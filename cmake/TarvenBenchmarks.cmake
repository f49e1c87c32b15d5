# Benchmarks run by scripts/bench_*.sh; not part of the runnable tree.
file(GLOB TARVEN_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/*.cpp)
foreach(source ${TARVEN_BENCHMARKS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE tarvencore)
  if(name MATCHES "^bench_gui_")   # benchmarks of desktop windows
    target_link_libraries(${name} PRIVATE tarvengui)
  endif()
endforeach()
