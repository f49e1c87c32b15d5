# Makes a static library from the .cpp files of the listed subsystem folders (below the
# calling CMakeLists.txt) and gives it exactly those folders as its public include path.
function(tarven_subsystem_library name)
  set(sources)
  set(include_dirs)
  foreach(subsystem ${ARGN})
    file(GLOB subsystem_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/*.cpp)
    list(APPEND sources ${subsystem_sources})
    list(APPEND include_dirs ${CMAKE_CURRENT_SOURCE_DIR}/${subsystem})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${include_dirs})
endfunction()
